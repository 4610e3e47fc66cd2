# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# Registers each test function of a Qt Test program with ctest on its own, as
# gtest_discover_tests does for GoogleTest, so that ctest lists, runs (-R),
# times and reports every case by name. After each build the program lists
# its functions (-functions), and a small ctest file adds one test per
# function, named TARGET.function, that runs that function alone.
#   hovorix_discover_qtests(target [ENVIRONMENT VAR=value...])
set(HOVORIX_QTEST_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/QtTestDiscoveryScript.cmake)

function(hovorix_discover_qtests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "ENVIRONMENT")
  set(ctest_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_qtests.cmake)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_qtests_include.cmake)
  # A list cannot cross the custom command's argument list whole.
  string(REPLACE ";" "|" environment "${arg_ENVIRONMENT}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D TEST_TARGET=${target} -D TEST_EXECUTABLE=$<TARGET_FILE:${target}>
            -D TEST_ENVIRONMENT=${environment} -D CTEST_FILE=${ctest_file} -P ${HOVORIX_QTEST_SCRIPT}
    BYPRODUCTS ${ctest_file}
    VERBATIM)
  file(WRITE ${include_file}
       "if(EXISTS \"${ctest_file}\")\n"
       "  include(\"${ctest_file}\")\n"
       "else()\n"
       "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
