# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build folder makes
# norvik_VERSION_amd64.deb from the install rules, with everything under /usr.
# The libraries the programs link are found by dpkg-shlibdeps; the Depends
# below are what it cannot see: Qt's translations for the box buttons and the
# calendar, and the font families the forms' fonts are substituted with. A
# program added to the installation (with its manual page) is packaged by its
# own install rules; its libraries, too, reach Depends through dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvik)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Norvik developers <norvik@example.org>")
set(CPACK_PACKAGE_VENDOR "Norvik developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diary, reminders, phone book and calendar in one window")
set(CPACK_PACKAGE_DESCRIPTION
    "Norvik is a planner for one person: a diary of notes, dated events that remind\n"
    "you when they fall due and can be postponed, a phone and address book, and a\n"
    "calendar, in one window that can hide in the notification area. Its data are\n"
    "plain text files in one folder. The interface speaks Russian or English.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs go in without their debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://norvik.example.org/index.html")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, fonts-liberation, fonts-dejavu, fonts-urw-base35, fonts-comic-neue")
# Help opens help.chm through xdg-open, which needs a CHM viewer; vdirsyncer
# syncs the folders Norvik syncs its lists with to CalDAV and CardDAV servers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xchm, vdirsyncer")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/package")
include(CPack)

# Beside the programs Debian wants the licence in its machine-readable form
# and the changelog, made from CHANGELOG.md and compressed; both go in
# share/doc/norvik, also for cmake --install.
set(NORVIK_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/norvik")
set(debian_changelog "${CMAKE_BINARY_DIR}/debian/changelog")
add_custom_command(
    OUTPUT "${debian_changelog}.gz"
    COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${CMAKE_SOURCE_DIR}/CHANGELOG.md
            -DOUTPUT=${debian_changelog} "-DMAINTAINER=${CPACK_PACKAGE_CONTACT}"
            -P ${CMAKE_SOURCE_DIR}/packaging/DebianChangelog.cmake
    COMMAND ${NORVIK_GZIP} -9nf "${debian_changelog}"
    DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/packaging/DebianChangelog.cmake
    COMMENT "Making the Debian changelog from CHANGELOG.md"
    VERBATIM)
add_custom_target(norvik_debian_changelog ALL DEPENDS "${debian_changelog}.gz")
norvik_program_part(norvik_debian_changelog)
install(FILES "${debian_changelog}.gz" ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION "${NORVIK_DOC_DIR}")
