include(GenerateExportHeader)

# tallyard_library(<target> ALIAS <ns::name> [OUTPUT <file name>] [STATIC]
#                  SOURCES ... [PUBLIC ...] [PRIVATE ...])
# A library of the project: its namespaced alias, the source tree and its own export header
# (<target>_export.h, macro <TARGET>_EXPORT) as build-interface include paths, only what its
# export macro marks visible, and the project's version and soversion.
function(tallyard_library target)
  cmake_parse_arguments(L "STATIC" "ALIAS;OUTPUT" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(L_STATIC)
    add_library(${target} STATIC ${L_SOURCES})
  else()
    add_library(${target} SHARED ${L_SOURCES})
    generate_export_header(${target} EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/export/${target}_export.h)
    set_target_properties(${target} PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
      VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/export>)
  endif()
  add_library(${L_ALIAS} ALIAS ${target})
  if(L_OUTPUT)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${L_OUTPUT})
  endif()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
endfunction()
