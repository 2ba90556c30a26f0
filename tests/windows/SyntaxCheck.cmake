# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Compiles every source with a Windows branch (and every *Windows.cpp) with the MinGW-w64
# cross compiler, syntax only, against Qt's headers, so the Windows paths cannot rot on a
# Linux-only CI. Qt's headers count as system headers: their own Windows-only warnings are
# not ours.
#   cmake -DCXX=<x86_64-w64-mingw32-g++> -DSOURCE=<source tree> -DINCLUDES=<dir;dir...>
#         -P SyntaxCheck.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources ${SOURCE}/platform/*.cpp ${SOURCE}/components/*.cpp
     ${SOURCE}/controls/*.cpp ${SOURCE}/scoreboard/*.cpp)
set(flags -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I${SOURCE})
# Linux's own C library headers and Qt's Linux mkspec must not shadow MinGW's.
list(REMOVE_DUPLICATES INCLUDES)
foreach(dir IN LISTS INCLUDES)
  if(NOT dir MATCHES "^/usr/include/?$|mkspecs")
    list(APPEND flags -isystem ${dir})
  endif()
endforeach()
set(checked 0)
foreach(source IN LISTS sources)
  file(READ ${source} text)
  if(NOT source MATCHES "Windows\\.cpp$" AND NOT text MATCHES "_WIN32|Q_OS_WIN")
    continue()
  endif()
  execute_process(COMMAND ${CXX} ${flags} ${source} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${source} does not compile for Windows:\n${err}")
  endif()
  math(EXPR checked "${checked} + 1")
  message(STATUS "Windows: ${source}")
endforeach()
if(checked LESS 4)
  message(FATAL_ERROR "only ${checked} Windows sources found; the search has gone wrong")
endif()
