# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Every C++ file follows .clang-format: fails naming those that do not.
#   cmake -DCLANG_FORMAT=<clang-format> -DSOURCE=<source tree> -P Formatting.cmake
cmake_minimum_required(VERSION 3.25)
set(globs "")
foreach(folder platform components controls scoreboard tests bench fuzz tools designer examples)
  list(APPEND globs "${SOURCE}/${folder}/*.cpp" "${SOURCE}/${folder}/*.h")
endforeach()
file(GLOB_RECURSE sources ${globs})
set(unformatted "")
foreach(source IN LISTS sources)
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${source} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 0)
    file(RELATIVE_PATH name ${SOURCE} ${source})
    string(APPEND unformatted "\n  ${name}")
  endif()
endforeach()
if(unformatted)
  message(FATAL_ERROR "not formatted as .clang-format says (clang-format -i them):${unformatted}")
endif()
