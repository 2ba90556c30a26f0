# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# What `cmake --install` lays down (<libdir> is lib/<multiarch> on Debian); the Debian source
# package in debian/ splits it into tallyard, libquellin1 and libquellin-dev:
#   bin/tallyard                         the program
#   share/tallyard/                      its buzzer sound and its help document
#   share/applications, share/metainfo, share/icons, share/man/man1
#                                        the menu entry, the AppStream data, the icon, the manual
#   <libdir>/libquellin.so.1 ...         the control library and the layers under it
#   include/tallyard/, include/quellin/, <libdir>/cmake/Quellin/
#                                        headers and the CMake package (development)
include(CMakePackageConfigHelpers)

if(NOT TALLYARD_SYSTEM_LIBDIR)
  file(RELATIVE_PATH to_libraries /root/${CMAKE_INSTALL_BINDIR} /root/${CMAKE_INSTALL_LIBDIR})
  set_target_properties(tallyard PROPERTIES INSTALL_RPATH "$ORIGIN/${to_libraries}")
endif()

install(TARGETS tallyard RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
install(FILES scoreboard/resources/chime2.wav scoreboard/resources/tallyardhelpfile.rtf
  DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyard COMPONENT Runtime)
# The menu entry and the AppStream data share the id org.tallyard.Tallyard.
install(FILES scoreboard/resources/org.tallyard.Tallyard.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES scoreboard/resources/org.tallyard.Tallyard.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
install(FILES scoreboard/resources/tallyard.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)

set(TALLYARD_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quellin)
# Each library is exported under the name it has in the build: Tallyard::Core, Tallyard::Forms
# and Tallyard::Components (the layers Quellin stands on), and Quellin::Quellin.
install(EXPORT TallyardTargets NAMESPACE Tallyard:: DESTINATION ${TALLYARD_CMAKE_DIR} COMPONENT Development)
install(EXPORT QuellinTargets NAMESPACE Quellin:: DESTINATION ${TALLYARD_CMAKE_DIR} COMPONENT Development)
configure_package_config_file(cmake/QuellinConfig.cmake.in ${CMAKE_BINARY_DIR}/QuellinConfig.cmake
  INSTALL_DESTINATION ${TALLYARD_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/QuellinConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/QuellinConfig.cmake ${CMAKE_BINARY_DIR}/QuellinConfigVersion.cmake
  DESTINATION ${TALLYARD_CMAKE_DIR} COMPONENT Development)

if(UNIX)
  install(FILES docs/tallyard.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
  # The Debian changelog's newest entry is the one for this version; the packages would
  # otherwise describe another release.
  file(STRINGS debian/changelog newest LIMIT_COUNT 1)
  string(FIND "${newest}" "tallyard (${PROJECT_VERSION}) " at)
  if(NOT at EQUAL 0)
    message(WARNING "debian/changelog begins '${newest}', not an entry for ${PROJECT_VERSION}")
  endif()
endif()
