# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Brings copies of the translations up to the sources, as `update_translations` would, and
# fails on any text without a translation (new or changed) or any translation whose text has
# left the sources: the files kept in the tree are then exactly what the program shows.
#   cmake -DLUPDATE=<lupdate> -DDESIGN_TEXTS=<tallyard_design_texts> -DSOURCE=<source tree>
#         -DWORK=<scratch folder> "-DTS_FILES=<.ts files>" -P TranslationsComplete.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGV0}: status ${rc}")
  endif()
endfunction()
run(${DESIGN_TEXTS} ${WORK}/DesignTexts.generated.cpp)
set(copies "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  configure_file(${ts} ${WORK}/${name} COPYONLY)
  list(APPEND copies ${WORK}/${name})
endforeach()
run(${LUPDATE} -silent -locations none -extensions cpp,h -I ${SOURCE}
  ${SOURCE}/scoreboard ${SOURCE}/platform ${SOURCE}/controls ${SOURCE}/components
  ${WORK}/DesignTexts.generated.cpp -ts ${copies})
set(faults "")
foreach(copy IN LISTS copies)
  file(READ ${copy} text)
  # Each message stands alone; one without a finished translation is named with its text.
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${text}")
  foreach(message IN LISTS open)
    string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\"$" "\\2: \\1" message "${message}")
    get_filename_component(name ${copy} NAME)
    string(APPEND faults "  ${name}: ${message}\n")
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "translations out of step with the sources (build update_translations, then translate):\n${faults}")
endif()
