# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Refuses an #include that runs up a layer. Run as a test:
#   cmake -DSOURCE_DIR=<the source tree> -P CheckLayers.cmake
# Each room (a folder, or a single file) may include from itself and from the rooms listed
# for it, nothing else of the project's (Qt and the standard library are always fine). A file
# belongs to the most specific room that holds it. Every include counts however it is
# written: "quoted" or <angled>, with blanks after the #, relative ("../forms/x.h") or bare
# ("x.h", found beside the file), in headers, sources and .inl files.
cmake_minimum_required(VERSION 3.25)
set(layers
  "platform/core:"
  "platform/system:platform/core"
  "platform/readers:platform/core"
  "platform/forms:platform/core"
  "platform/intrinsics:platform/core,platform/forms,platform/system,platform/readers"
  "components:platform/core,platform/forms"
  "controls:platform/core,platform/forms,components"
  # The program's own files: main.cpp and its helpers join every room of the program.
  "scoreboard:platform,components,controls,scoreboard"
  # The followers of the board stand on the board's state and the languages, never on the forms.
  "scoreboard/state:platform/core"
  "scoreboard/i18n:platform/core,platform/forms"
  "scoreboard/meet:platform/core,platform/system,platform/readers,scoreboard/state"
  "scoreboard/web:platform/core,platform/system,components,scoreboard/state,scoreboard/i18n"
  # The meet joined to the board: the meet's files and the board's form, nothing of the web.
  "scoreboard/Meet.h:platform,scoreboard/meet,scoreboard/state"
  "scoreboard/Meet.cpp:platform,scoreboard/Meet.h,scoreboard/meet,scoreboard/state,scoreboard/forms"
  # Inside the program: the forms know nothing of the hall; main.cpp joins the two.
  "scoreboard/settings:platform"
  "scoreboard/modules:platform,components,controls,scoreboard/settings"
  "scoreboard/forms:platform,components,controls,scoreboard/modules,scoreboard/settings,scoreboard/state,scoreboard/i18n,scoreboard/Version.h"
  # The operator's other hands (keys, pads, phones) drive the board's form and log to the meet.
  "scoreboard/control:platform,scoreboard/forms,scoreboard/settings,scoreboard/state,scoreboard/i18n,scoreboard/meet,scoreboard/Meet.h,scoreboard/web"
  "scoreboard/hall:platform,components,controls,scoreboard/forms,scoreboard/modules,scoreboard/settings,scoreboard/state,scoreboard/i18n,scoreboard/control,scoreboard/web")
set(project_roots platform components controls scoreboard)

# The room of each file, the most specific first: rooms sorted by length, longest first.
set(rooms "")
foreach(layer IN LISTS layers)
  string(REGEX MATCH "^[^:]*" room "${layer}")
  string(LENGTH "${room}" length)
  math(EXPR key "1000 + ${length}")
  list(APPEND rooms "${key}:${layer}")
endforeach()
list(SORT rooms ORDER DESCENDING)

function(in_prefix path prefix result)
  string(LENGTH "${prefix}/" length)
  string(SUBSTRING "${path}" 0 ${length} start)
  if(start STREQUAL "${prefix}/" OR path STREQUAL prefix)
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

set(globs "")
foreach(root IN LISTS project_roots)
  foreach(ending h hpp cpp inl)
    list(APPEND globs "${SOURCE_DIR}/${root}/*.${ending}")
  endforeach()
endforeach()
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" ${globs})

set(faults "")
set(count 0)
foreach(source IN LISTS sources)
  # The file's room and what it may use.
  set(allowed "")
  foreach(entry IN LISTS rooms)
    string(REGEX REPLACE "^[0-9]+:" "" layer "${entry}")
    string(REPLACE ":" ";" parts "${layer}")
    list(GET parts 0 room)
    in_prefix("${source}" "${room}" inside)
    if(inside)
      set(allowed "${room}")
      list(LENGTH parts parts_count)
      if(parts_count GREATER 1)
        list(GET parts 1 below)
        string(REPLACE "," ";" below "${below}")
        list(APPEND allowed ${below})
      endif()
      break()
    endif()
  endforeach()
  if(NOT allowed)
    continue()
  endif()
  get_filename_component(folder "${source}" DIRECTORY)
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"].*" "\\1;\\2" parsed "${line}")
    list(GET parsed 0 quote)
    list(GET parsed 1 header)
    string(REGEX MATCH "^[^/]+" root "${header}")
    set(target "")
    if(root IN_LIST project_roots AND EXISTS "${SOURCE_DIR}/${header}")
      set(target "${header}")
    elseif(quote STREQUAL "\"")
      # Relative to the file, as the compiler looks first: "../forms/x.h", "x.h".
      cmake_path(SET beside NORMALIZE "${folder}/${header}")
      if(EXISTS "${SOURCE_DIR}/${beside}")
        string(REGEX MATCH "^[^/]+" beside_root "${beside}")
        if(beside_root IN_LIST project_roots)
          set(target "${beside}")
        endif()
      endif()
    elseif(root IN_LIST project_roots)
      set(target "${header}")
    endif()
    if(NOT target)
      continue() # the system's, Qt's, or generated (export macros, version, moc files)
    endif()
    set(ok FALSE)
    foreach(prefix IN LISTS allowed)
      in_prefix("${target}" "${prefix}" inside)
      if(inside)
        set(ok TRUE)
        break()
      endif()
    endforeach()
    if(NOT ok)
      string(APPEND faults "\n  ${source} includes ${target}, above its room")
      math(EXPR count "${count} + 1")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "${count} includes run up a layer:${faults}")
endif()
message(STATUS "Every include stays in its room or below it")
