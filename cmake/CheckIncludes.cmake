# SPDX-License-Identifier: GPL-3.0-or-later
# Refuses an include that crosses an edge not declared in CMakeLists.txt.
#
# All folders share one include root (src), so the compiler itself would
# accept "settings/TConfiguration.h" in the kit. Every `#include "dir/..."`
# in src/<folder> must name the folder itself or one it declares it uses;
# the core folders must not include Qt or libical headers; a folder under
# src that is not declared is refused too, so that nothing escapes the check.
#
# Run as a script: cmake -DNORVIK_SOURCE_DIR=... -DNORVIK_LAYERS_FILE=... -P CheckIncludes.cmake
# The layers file sets NORVIK_CHECKED_FOLDERS, NORVIK_CORE_LAYERS and, for
# each folder, NORVIK_USES_<folder with "/" as "_">.

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
endif()

include("${NORVIK_LAYERS_FILE}")

set(problems)

# Every folder holding sources is one of the checked ones.
file(GLOB_RECURSE all_sources RELATIVE "${NORVIK_SOURCE_DIR}/src" "${NORVIK_SOURCE_DIR}/src/*.cpp"
     "${NORVIK_SOURCE_DIR}/src/*.h")
foreach(source IN LISTS all_sources)
    if(source MATCHES "^(frontends/[^/]+|[^/]+)/")
        set(folder "${CMAKE_MATCH_1}")
        if(NOT folder IN_LIST NORVIK_CHECKED_FOLDERS)
            list(APPEND problems "src/${source}: src/${folder} is not declared in CMakeLists.txt")
        endif()
    endif()
endforeach()

foreach(folder IN LISTS NORVIK_CHECKED_FOLDERS)
    string(REPLACE "/" "_" key "${folder}")
    set(allowed ${folder} ${NORVIK_USES_${key}})
    set(core FALSE)
    if(folder IN_LIST NORVIK_CORE_LAYERS)
        set(core TRUE)
    endif()
    file(GLOB_RECURSE sources "${NORVIK_SOURCE_DIR}/src/${folder}/*.cpp"
                              "${NORVIK_SOURCE_DIR}/src/${folder}/*.h")
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH shown "${NORVIK_SOURCE_DIR}" "${source}")
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([^\"/]+)/([^\"]+)\"")
                if(CMAKE_MATCH_1 STREQUAL "frontends")
                    string(REGEX REPLACE "/.*" "" front_end "${CMAKE_MATCH_2}")
                    set(used "frontends/${front_end}")
                else()
                    set(used "${CMAKE_MATCH_1}")
                endif()
                if(NOT used IN_LIST allowed)
                    list(APPEND problems "${shown}: ${line} (${folder} does not use ${used})")
                endif()
            elseif(core AND line MATCHES "#[ \t]*include[ \t]*<(Q|libical)")
                list(APPEND problems "${shown}: ${line} (the core uses no Qt and no libical)")
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Includes outside the declared dependencies:\n  ${text}\n"
                        "Declare the edge in CMakeLists.txt (NORVIK_USES_...) or move the code.")
endif()
