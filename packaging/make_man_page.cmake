# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a manual page from its template: the version, and for vantoro-cli the command list as the
# built program prints it, so the page never lists a command the program lacks.
#   cmake -DTEMPLATE=... -DOUTPUT=... -DVERSION=... [-DCLI=path/to/vantoro-cli] -P make_man_page.cmake
file(READ "${TEMPLATE}" page)
string(REPLACE "@PROJECT_VERSION@" "${VERSION}" page "${page}")
if(CLI)
    execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE usage RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${CLI} --help failed")
    endif()
    string(REPLACE "\n" ";" lines "${usage}")
    set(commands "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^  ([a-z][a-z-]*) +(.*)$")
            string(REPLACE "-" "\\-" name "${CMAKE_MATCH_1}")
            string(APPEND commands ".TP\n.B ${name}\n${CMAKE_MATCH_2}\n")
        endif()
    endforeach()
    string(REPLACE "@COMMANDS@\n" "${commands}" page "${page}")
endif()
file(WRITE "${OUTPUT}" "${page}")
