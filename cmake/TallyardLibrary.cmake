# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

include(GenerateExportHeader)

# On Debian and its derivatives the libraries go to the multiarch folder (lib/x86_64-linux-gnu)
# under any prefix (/usr/local/lib/<multiarch> too), where the loader and find_package look;
# GNUInstallDirs picks it only for the prefix /usr. A "lib" that an older build tree took
# from GNUInstallDirs moves once; a folder given on the command line (as debhelper gives it)
# is kept.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_LIBRARY_ARCHITECTURE AND EXISTS /etc/debian_version)
  set(multiarch_libdir lib/${CMAKE_LIBRARY_ARCHITECTURE})
  get_property(libdir_type CACHE CMAKE_INSTALL_LIBDIR PROPERTY TYPE)
  if(NOT DEFINED CACHE{CMAKE_INSTALL_LIBDIR} OR (NOT DEFINED CACHE{TALLYARD_MULTIARCH_LIBDIR}
     AND libdir_type STREQUAL "PATH" AND CMAKE_INSTALL_LIBDIR STREQUAL "lib"))
    set(CMAKE_INSTALL_LIBDIR ${multiarch_libdir} CACHE PATH "Object code libraries (${multiarch_libdir})" FORCE)
  endif()
  set(TALLYARD_MULTIARCH_LIBDIR ${multiarch_libdir} CACHE INTERNAL "the multiarch library folder")
endif()
include(GNUInstallDirs)
# Installed into a folder the loader searches anyway (/usr/lib/<multiarch>), the binaries need
# no search path of their own; under another prefix they find the libraries from where they are.
list(FIND CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES "${CMAKE_INSTALL_FULL_LIBDIR}" libdir_at)
if(libdir_at EQUAL -1 AND NOT WIN32)
  set(TALLYARD_SYSTEM_LIBDIR OFF)
else()
  set(TALLYARD_SYSTEM_LIBDIR ON)
endif()

# tallyard_library(<target> ALIAS <Ns::Name> [OUTPUT <file name>] [STATIC]
#                  SOURCES ... [PUBLIC_HEADERS ...] [PUBLIC ...] [PRIVATE ...])
# A library of the project under one name: the alias Ns::Name is also the name it is exported
# under, its file is <output>, its headers install under include/<ns>/ in the source tree's
# own layout (so "platform/forms/Control.h" reads the same in the build tree and against an
# installed package), and its code lives in namespace <ns>. Each has its own export header
# (<target>_export.h, macro <TARGET>_EXPORT).
# A shared library is part of Quellin: it is installed in the libdir (component Libraries),
# its link and the headers listed in PUBLIC_HEADERS, and only those, go with the development
# files. A static one is the program's own and stays in the build tree.
function(tallyard_library target)
  cmake_parse_arguments(L "STATIC" "ALIAS;OUTPUT" "SOURCES;PUBLIC_HEADERS;PUBLIC;PRIVATE" ${ARGN})
  string(REGEX REPLACE "::.*$" "" ns ${L_ALIAS})
  string(REGEX REPLACE "^.*::" "" export_name ${L_ALIAS})
  string(TOLOWER ${ns} ns_folder)
  string(TOUPPER ${target} upper)
  if(L_STATIC)
    add_library(${target} STATIC ${L_SOURCES} ${L_PUBLIC_HEADERS})
    target_compile_definitions(${target} PUBLIC ${upper}_STATIC_DEFINE)
  else()
    add_library(${target} SHARED ${L_SOURCES} ${L_PUBLIC_HEADERS})
    set_target_properties(${target} PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
      VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
      EXPORT_NAME ${export_name})
    if(NOT TALLYARD_SYSTEM_LIBDIR)
      # Installed side by side, each finds the layers under it in its own folder.
      set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
    endif()
    install(TARGETS ${target} EXPORT ${ns}Targets
      LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Libraries NAMELINK_COMPONENT Development
      RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Libraries
      ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
      INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ns_folder})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/export/${target}_export.h
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ns_folder} COMPONENT Development)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(header IN LISTS L_PUBLIC_HEADERS)
      get_filename_component(subfolder ${header} DIRECTORY)
      install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ns_folder}/${folder}/${subfolder}
        COMPONENT Development)
    endforeach()
  endif()
  generate_export_header(${target} EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/export/${target}_export.h)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/export>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  add_library(${L_ALIAS} ALIAS ${target})
  if(L_OUTPUT)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${L_OUTPUT})
  endif()
  target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
endfunction()
