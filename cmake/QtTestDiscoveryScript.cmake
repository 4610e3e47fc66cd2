# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# Run after a Qt Test program is built (see QtTestDiscovery.cmake): writes
# CTEST_FILE with one ctest test per test function of TEST_EXECUTABLE.
string(REPLACE "|" ";" environment "${TEST_ENVIRONMENT}")
# Listing is no test: a sanitizer build's leak check has nothing to say here.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 ${environment} ${TEST_EXECUTABLE} -functions
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} -functions failed (${status}):\n${errors}")
endif()

set(content "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # Each function as "name()"; the program prints nothing else.
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    set(function ${CMAKE_MATCH_1})
    set(name ${TEST_TARGET}.${function})
    string(APPEND content "add_test([=[${name}]=] [=[${TEST_EXECUTABLE}]=] [=[${function}]=])\n")
    if(environment)
      string(APPEND content "set_tests_properties([=[${name}]=] PROPERTIES ENVIRONMENT [=[${environment}]=])\n")
    endif()
  endif()
endforeach()
if(content STREQUAL "")
  message(FATAL_ERROR "${TEST_EXECUTABLE} lists no test function")
endif()
file(WRITE ${CTEST_FILE} "${content}")
