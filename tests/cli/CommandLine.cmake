# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The program's command line on a machine without a display:
#   cmake -DTALLYARD=<the executable> -DVERSION=<x.y.z> -P CommandLine.cmake
cmake_minimum_required(VERSION 3.25)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(expect arguments status stdout_match stderr_match)
  execute_process(COMMAND ${TALLYARD} ${arguments} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 30)
  if(NOT rc STREQUAL status)
    message(FATAL_ERROR "tallyard ${arguments}: status ${rc}, expected ${status}\n${out}\n${err}")
  endif()
  if(NOT out MATCHES "${stdout_match}")
    message(FATAL_ERROR "tallyard ${arguments}: standard output\n${out}\ndoes not match ${stdout_match}")
  endif()
  if(NOT err MATCHES "${stderr_match}")
    message(FATAL_ERROR "tallyard ${arguments}: standard error\n${err}\ndoes not match ${stderr_match}")
  endif()
endfunction()

expect("--help" 0 "^Usage: [^\n]*tallyard \\[options\\]\n.*--version" "^$")
expect("-h" 0 "^Usage:" "^$")
expect("--help-all" 0 "--help-all.*--qmljsdebugger" "^$")
# Started for real, it says that it has nowhere to show the board, and ends with its own status.
expect("" 3 "^$" "no display to show the board on")
set(ENV{DISPLAY} ":987")
expect("" 3 "^$" "the display :987 does not answer")
unset(ENV{DISPLAY})
expect("--version" 0 "^Tallyard ${VERSION}\n$" "^$")
expect("--no-such-option" 1 "^$" "Unknown option 'no-such-option'.*Usage:")
expect("--help" 0 "--start-list <file>.*--results <file>.*--no-results.*--resume" "^$")
expect("--results;r.csv;--no-results" 1 "^$" "--results and --no-results exclude each other")
expect("--help" 0 "--serve <\\[address:\\]port>" "^$")
# Refused at once, as the web views would refuse them: digits of another script, no port, a
# bare IPv6 address.
foreach(bad "70000" "host:" "localhost:http" "-1" "127.0.0.1:123456" "٨٠٨٠" "::1:8080")
  expect("--serve;${bad}" 1 "^$" "--serve takes \\[address:\\]port")
endforeach()
expect("--serve;8080;--serve;8081" 1 "^$" "--serve is given once")
expect("--control" 1 "^$" "--control needs --serve")

# The bindings travel between laptops: exported, taken on a machine where the program has never
# run, and a damaged file refused whole with its line, nothing of it taken.
set(home "${CMAKE_CURRENT_BINARY_DIR}/cli-home")
file(REMOVE_RECURSE "${home}")
file(MAKE_DIRECTORY "${home}")
set(ENV{HOME} "${home}")
set(ENV{XDG_CONFIG_HOME} "${home}/.config")
expect("--export-bindings;-" 0 "routine = key R.*\nnext = key PgDown" "^$")
file(WRITE "${home}/meet.bindings" "routine = key R, key F5, pad a\nfall = key F, key B\nwarmup = key W\nreset = key G\nchime = key C\nclear = key Delete\nnext = key Page Down, pad dpright\n")
expect("--import-bindings;${home}/meet.bindings" 0 "" "^$")
expect("--export-bindings;-" 0 "routine = key R, key F5, pad a\n.*fall = key F, key B\n" "^$")
file(WRITE "${home}/damaged.bindings" "routine = key T\nfall = key F, key F55\n")
expect("--import-bindings;${home}/damaged.bindings" 1 "^$" "line 2: there is no key \"F55\"")
expect("--export-bindings;-" 0 "routine = key R, key F5, pad a\n" "^$")

message(STATUS "--help, --version and an unknown option answer without a display; a start says it has none")
