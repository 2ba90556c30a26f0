include(GenerateExportHeader)
include(GNUInstallDirs)

# Where the installed headers go: the source tree's own layout, so an include reads the same
# in the build tree and against an installed package ("controls/TimeLED.h").
set(TALLYARD_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/tallyard)

# tallyard_library(<target> ALIAS <ns::name> [OUTPUT <file name>] [STATIC]
#                  SOURCES ... [PUBLIC ...] [PRIVATE ...])
# A library of the project: its namespaced alias, the source tree and its own export header
# (<target>_export.h, macro <TARGET>_EXPORT) as include paths, only what its export macro
# marks visible, and the project's version and soversion. A shared library is installed with
# its headers into the Quellin package, under the alias's name (Tallyard::Forms becomes
# Quellin::Forms); a static one is the program's own and stays in the build tree.
function(tallyard_library target)
  cmake_parse_arguments(L "STATIC" "ALIAS;OUTPUT" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(L_STATIC)
    add_library(${target} STATIC ${L_SOURCES})
  else()
    add_library(${target} SHARED ${L_SOURCES})
    generate_export_header(${target} EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/export/${target}_export.h)
    string(REGEX REPLACE "^.*::" "" export_name ${L_ALIAS})
    set_target_properties(${target} PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
      VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
      EXPORT_NAME ${export_name}
      # Installed side by side, each finds the layers under it in its own folder.
      INSTALL_RPATH "$ORIGIN")
    target_include_directories(${target} PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/export>
      $<INSTALL_INTERFACE:${TALLYARD_INSTALL_INCLUDEDIR}>)
    install(TARGETS ${target} EXPORT QuellinTargets
      LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
      RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
      ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/export/${target}_export.h
      DESTINATION ${TALLYARD_INSTALL_INCLUDEDIR} COMPONENT Development)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(source IN LISTS L_SOURCES)
      if(source MATCHES "\\.h$")
        get_filename_component(subfolder ${source} DIRECTORY)
        install(FILES ${source} DESTINATION ${TALLYARD_INSTALL_INCLUDEDIR}/${folder}/${subfolder}
          COMPONENT Development)
      endif()
    endforeach()
  endif()
  add_library(${L_ALIAS} ALIAS ${target})
  if(L_OUTPUT)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${L_OUTPUT})
  endif()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
endfunction()
