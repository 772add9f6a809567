# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of the package from CHANGELOG.md:
#
#   cmake -DCHANGELOG=CHANGELOG.md -DOUTPUT=changelog -DMAINTAINER="Name <address>" \
#         -P DebianChangelog.cmake
#
# Every "## VERSION - YYYY-MM-DD" entry becomes one Debian entry, newest first
# as in the file; each item ("- ...") or paragraph of the entry becomes a
# "  * " item with its following lines indented under it. The text before
# the first entry is the file's introduction and is left out.
cmake_minimum_required(VERSION 3.25)

file(STRINGS "${CHANGELOG}" lines ENCODING UTF-8)
set(text "")
set(version "")
set(day "")

macro(close_entry)
    if(version)
        execute_process(COMMAND env LC_ALL=C date -R -u -d "${day}"
                        OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND text "\n -- ${MAINTAINER}  ${stamp}\n")
    endif()
endmacro()

set(in_item FALSE)
foreach(line IN LISTS lines)
    if(line MATCHES "^## ([^ ]+) - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
        close_entry()
        if(version)
            string(APPEND text "\n")
        endif()
        set(version "${CMAKE_MATCH_1}")
        set(day "${CMAKE_MATCH_2}")
        string(APPEND text "norvik (${version}) unstable; urgency=medium\n\n")
        set(in_item FALSE)
    elseif(NOT version)
        # The introduction.
    elseif(line STREQUAL "")
        set(in_item FALSE)
    elseif(line MATCHES "^- (.*)$")
        string(APPEND text "  * ${CMAKE_MATCH_1}\n")
        set(in_item TRUE)
    elseif(in_item)
        string(STRIP "${line}" stripped)
        string(APPEND text "    ${stripped}\n")
    else()
        string(APPEND text "  * ${line}\n")
        set(in_item TRUE)
    endif()
endforeach()
close_entry()
if(NOT version)
    message(FATAL_ERROR "${CHANGELOG} has no entry \"## VERSION - YYYY-MM-DD\"")
endif()
file(WRITE "${OUTPUT}" "${text}")
