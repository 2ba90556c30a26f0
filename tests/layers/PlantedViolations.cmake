# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The layering check can fail: a tree of the project's rooms with one planted violation of
# each kind must be refused, each violation named, and the same tree without them passes.
#   cmake -DCHECK=<CheckLayers.cmake> -DWORK=<scratch folder> -P PlantedViolations.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
# The headers the planted includes name, so that relative ones resolve as a compiler's would.
foreach(header
    platform/forms/Control.h platform/intrinsics/Label.h scoreboard/state/BoardState.h controls/TimeLED.h
    scoreboard/forms/Forms.h scoreboard/forms/frmScoreboard.h scoreboard/forms/frmOptions.h
    scoreboard/web/WebServer.h scoreboard/web/StateJson.h scoreboard/web/WebViews.h scoreboard/meet/StartList.h
    scoreboard/settings/Settings.h scoreboard/hall/Hall.h scoreboard/hall/NoticeViews.h)
  file(WRITE ${WORK}/${header} "#pragma once\n")
endforeach()
# file | include line
set(planted
  "platform/core/A.cpp|#include \"platform/forms/Control.h\""
  "platform/system/B.cpp|#include <scoreboard/state/BoardState.h>"
  "components/C.h|#  include \"controls/TimeLED.h\""
  "controls/D.inl|#include \"scoreboard/forms/Forms.h\""
  "scoreboard/web/E.cpp|#include \"../forms/frmScoreboard.h\""
  "scoreboard/web/F.cpp|#include \"scoreboard/forms/frmOptions.h\""
  "scoreboard/meet/G.cpp|#include \"scoreboard/web/WebServer.h\""
  "scoreboard/state/H.h|#include \"scoreboard/meet/StartList.h\""
  "scoreboard/i18n/I.cpp|#include \"scoreboard/settings/Settings.h\""
  "scoreboard/settings/J.cpp|#include \"scoreboard/forms/Forms.h\""
  "scoreboard/forms/K.cpp|#include \"scoreboard/hall/Hall.h\""
  "scoreboard/state/N.cpp|#include \"../web/StateJson.h\""
  "platform/readers/O.cpp|#include \"platform/intrinsics/Label.h\""
  "scoreboard/Meet.cpp|#include \"scoreboard/web/WebViews.h\""
  "scoreboard/web/P.cpp|#include \"controls/TimeLED.h\""
  "scoreboard/forms/Q.cpp|\t#include \"../hall/NoticeViews.h\"")
# And lines that are fine: a header beside the file, Qt's, the standard library's.
file(WRITE ${WORK}/scoreboard/hall/R.cpp "#include \"NoticeViews.h\"\n#include <QWidget>\n#include <vector>\n")

function(check expect_failure)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${CHECK} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(expect_failure AND rc EQUAL 0)
    message(FATAL_ERROR "the layering check passed a tree with planted violations:\n${out}")
  elseif(NOT expect_failure AND NOT rc EQUAL 0)
    message(FATAL_ERROR "the layering check refused a tree without violations:\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

check(FALSE)
foreach(plant IN LISTS planted)
  string(REPLACE "|" ";" parts "${plant}")
  list(GET parts 0 file)
  list(GET parts 1 line)
  file(WRITE ${WORK}/${file} "${line}\n")
endforeach()
check(TRUE)
list(LENGTH planted expected)
foreach(plant IN LISTS planted)
  string(REPLACE "|" ";" parts "${plant}")
  list(GET parts 0 file)
  string(FIND "${out}" "  ${file} includes" at)
  if(at LESS 0)
    message(FATAL_ERROR "the planted violation in ${file} was not found:\n${out}")
  endif()
endforeach()
string(FIND "${out}" "${expected} includes run up a layer" at)
if(at LESS 0)
  message(FATAL_ERROR "not exactly the ${expected} planted violations were found:\n${out}")
endif()
message(STATUS "all ${expected} planted violations found, and the tree without them passed")
