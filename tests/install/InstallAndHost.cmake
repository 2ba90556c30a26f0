# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Installs the build into a fresh prefix, then uses it as a user and a developer would:
# the program from bin with its files in share/tallyard, and the example host built against
# the installed Quellin package.
#   cmake -DBUILD=<build tree> -DSOURCE=<source tree> -DWORK=<scratch folder> -DVERSION=<x.y.z>
#         -DLIBDIR=<libdir> -DSYSTEM_LIBDIR=<ON: built for the loader's own folder>
#         [-DHOST_FLAGS=<compiler flags the libraries were built with>] -P InstallAndHost.cmake
cmake_minimum_required(VERSION 3.25)
set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}: status ${rc}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
# Built for /usr (as the Debian package is), the binaries carry no search path: the loader is
# told where this prefix keeps the libraries, as it knows /usr/lib/<multiarch>.
if(SYSTEM_LIBDIR)
  set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR})
endif()

# The program loads the installed libraries (the build tree's rpath is gone) and finds its
# files in share/tallyard: the help opens, and the default buzzer is the installed chime.
run(${prefix}/bin/tallyard --version)
if(NOT out STREQUAL "Tallyard ${VERSION}\n")
  message(FATAL_ERROR "installed tallyard --version printed '${out}'")
endif()
foreach(file chime2.wav tallyardhelpfile.rtf)
  if(NOT EXISTS ${prefix}/share/tallyard/${file})
    message(FATAL_ERROR "${file} is not in ${prefix}/share/tallyard")
  endif()
endforeach()
set(ENV{QT_QPA_PLATFORM} offscreen)
run(${prefix}/bin/tallyard --quit-when-shown)
file(GLOB_RECURSE icon ${prefix}/share/icons/hicolor/*/apps/tallyard.*)
foreach(file share/applications/org.tallyard.Tallyard.desktop share/metainfo/org.tallyard.Tallyard.metainfo.xml
             share/man/man1/tallyard.1)
  if(NOT EXISTS ${prefix}/${file} OR NOT icon)
    message(FATAL_ERROR "the install lacks ${file} or the icon ('${icon}')")
  endif()
endforeach()

# A developer's host, built against the installed package only.
run(${CMAKE_COMMAND} -S ${SOURCE}/examples/countdown -B ${WORK}/countdown -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_CXX_FLAGS=${HOST_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${HOST_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK}/countdown)
# Quellin carries only what it needs: a host links no sound, no rich text, no dialogs, and
# the package holds only the public headers.
run(ldd ${WORK}/countdown/quellin-countdown)
foreach(unwanted libQt6Multimedia libsndfile libtallyard-intrinsics libtallyard-system libtallyard-readers)
  if(out MATCHES "${unwanted}")
    message(FATAL_ERROR "a Quellin host links ${unwanted}:\n${out}")
  endif()
endforeach()
file(GLOB_RECURSE headers RELATIVE ${prefix}/include ${prefix}/include/*.h)
foreach(header IN LISTS headers)
  if(header MATCHES "/(intrinsics|system|readers)/|NumLockNative|StyledControl|FormDesign|VirtualKeys")
    message(FATAL_ERROR "the package installs ${header}, which no host needs")
  endif()
endforeach()
if(NOT "quellin/controls/TimeLED.h" IN_LIST headers OR NOT "tallyard/platform/forms/Control.h" IN_LIST headers)
  message(FATAL_ERROR "the package lacks its public headers: ${headers}")
endif()
foreach(road "" --by-progid)
  run(${WORK}/countdown/quellin-countdown --seconds 2 --quit-at-zero ${road})
  if(NOT out STREQUAL "2\n1\n0\n")
    message(FATAL_ERROR "the count-down ${road} printed '${out}'")
  endif()
endforeach()
message(STATUS "installed program and Quellin package work from ${prefix}")
