# SPDX-License-Identifier: GPL-3.0-or-later
# norvik_manual_page(SOURCE [COMPONENT]): a manual page with the version and
# the release date filled into its header (@PROJECT_VERSION@,
# @NORVIK_RELEASE_DATE@), compressed as Debian installs manual pages, and
# installed in share/man/man<section> as NAME.<section>.gz, as part of the
# installation's COMPONENT (default: program).
find_program(NORVIK_GZIP gzip REQUIRED)

function(norvik_manual_page source)
    set(component program)
    if(ARGC GREATER 1)
        set(component ${ARGV1})
    endif()
    get_filename_component(name "${source}" NAME)
    string(REGEX MATCH "[1-9]$" section "${name}")
    set(page "${CMAKE_BINARY_DIR}/man/${name}")
    configure_file("${source}" "${page}" @ONLY)
    # -n leaves out the name and time stamp, so the same page compresses to
    # the same bytes.
    add_custom_command(
        OUTPUT "${page}.gz"
        COMMAND ${NORVIK_GZIP} -9nkf "${page}"
        DEPENDS "${page}"
        COMMENT "Compressing the manual page ${name}"
        VERBATIM)
    string(REPLACE "." "_" target "norvik_man_${name}")
    add_custom_target(${target} ALL DEPENDS "${page}.gz")
    install(FILES "${page}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man${section}"
            COMPONENT ${component})
    if(component STREQUAL "program")
        norvik_program_part(${target})
    endif()
endfunction()
