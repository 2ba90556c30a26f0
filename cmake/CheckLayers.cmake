# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Refuses an #include that runs up a layer. Run as a test:
#   cmake -DSOURCE_DIR=<the source tree> -P CheckLayers.cmake
# Each folder may include from itself and from the folders (or files) listed for it, nothing
# else of the project's (Qt and the standard library are always fine).
cmake_minimum_required(VERSION 3.25)
set(layers
  "platform/core:"
  "platform/system:platform/core"
  "platform/readers:platform/core"
  "platform/forms:platform/core"
  "platform/intrinsics:platform/core,platform/forms,platform/system,platform/readers"
  "components:platform/core,platform/forms"
  "controls:platform/core,platform/forms,components"
  "scoreboard:platform,components,controls"
  # Inside the program: the forms know nothing of the hall; main.cpp joins the two.
  "scoreboard/settings:platform"
  "scoreboard/state:platform"
  "scoreboard/i18n:platform"
  "scoreboard/modules:platform,components,controls,scoreboard/settings"
  "scoreboard/forms:platform,components,controls,scoreboard/modules,scoreboard/settings,scoreboard/state,scoreboard/i18n,scoreboard/Version.h"
  "scoreboard/hall:platform,components,controls,scoreboard/forms,scoreboard/modules,scoreboard/settings,scoreboard/state,scoreboard/i18n")
set(project_roots platform components controls scoreboard)

set(faults "")
foreach(layer IN LISTS layers)
  string(REPLACE ":" ";" parts "${layer}")
  list(GET parts 0 folder)
  list(LENGTH parts count)
  set(allowed "${folder}")
  if(count GREATER 1)
    list(GET parts 1 below)
    string(REPLACE "," ";" below "${below}")
    list(APPEND allowed ${below})
  endif()
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^[^/]+" root "${header}")
      if(NOT root IN_LIST project_roots)
        continue() # generated headers (export macros, version), moc files
      endif()
      set(ok FALSE)
      foreach(prefix IN LISTS allowed)
        string(LENGTH "${prefix}/" length)
        string(SUBSTRING "${header}" 0 ${length} start)
        if(start STREQUAL "${prefix}/" OR header STREQUAL prefix)
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        string(APPEND faults "\n  ${source} includes ${header}, above its layer")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that run up a layer:${faults}")
endif()
message(STATUS "Every include stays in its layer or below it")
