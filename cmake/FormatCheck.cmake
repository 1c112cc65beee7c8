# Checks that every C++ source of the tree is formatted as .clang-format says, without changing any:
# cmake -DSOURCE_DIR=<tree> [-DCLANG_FORMAT=clang-format] -P FormatCheck.cmake. Lists the files that
# differ and fails when there is one; `clang-format -i` on them mends them.
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "FormatCheck: give -DSOURCE_DIR")
endif()
if(NOT CLANG_FORMAT)
  find_program(CLANG_FORMAT clang-format REQUIRED)
endif()
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
# Build trees and git's own files are not sources.
list(FILTER sources EXCLUDE REGEX "(^|/)(build[^/]*|\\.[^/]*)/")
list(LENGTH sources checked)
# One run over them all; each difference is reported as "<file>:<line>:<column>: error: ...".
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result ERROR_VARIABLE report OUTPUT_QUIET)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error" places "${report}")
  list(TRANSFORM places REPLACE ":[0-9]+:[0-9]+: error$" "")
  list(REMOVE_DUPLICATES places)
  list(JOIN places "\n  " listed)
  message(FATAL_ERROR "Not formatted as .clang-format says (clang-format -i mends them):\n  ${listed}")
endif()
message(STATUS "${checked} sources formatted as .clang-format says")
