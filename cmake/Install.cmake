# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# What `cmake --install` and `cpack -G DEB` lay down:
#   bin/tallyard                         a link to the program
#   lib/tallyard/                        the program, its buzzer sound and its help document,
#                                        together, because it looks for them in its own folder
#   <libdir>/libquellin.so.1 ...         the control library and the layers under it
#   include/tallyard/, include/quellin/, <libdir>/cmake/Quellin/
#                                        headers and the CMake package (development)
#   share/applications, share/icons      the menu entry and the icon
include(CMakePackageConfigHelpers)

set(TALLYARD_PROGRAM_DIR lib/tallyard)
file(RELATIVE_PATH to_libraries /root/${TALLYARD_PROGRAM_DIR} /root/${CMAKE_INSTALL_LIBDIR})
set_target_properties(tallyard PROPERTIES INSTALL_RPATH "$ORIGIN/${to_libraries}")

install(TARGETS tallyard RUNTIME DESTINATION ${TALLYARD_PROGRAM_DIR} COMPONENT Runtime)
install(FILES scoreboard/resources/chime2.wav scoreboard/resources/tallyardhelpfile.rtf
  DESTINATION ${TALLYARD_PROGRAM_DIR} COMPONENT Runtime)
# bin/tallyard is a link to the program beside its files; Windows has no such links for an
# installer to lay down, and there the program is started from its own folder.
if(NOT WIN32)
  file(RELATIVE_PATH to_program /root/${CMAKE_INSTALL_BINDIR} /root/${TALLYARD_PROGRAM_DIR}/tallyard)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tallyard\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    message(STATUS \"Installing: \${link} -> ${to_program}\")
    file(CREATE_LINK \"${to_program}\" \"\${link}\" SYMBOLIC)
    " COMPONENT Runtime)
endif()
install(FILES scoreboard/resources/tallyard.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
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

# Two Debian packages: tallyard (the program and the shared libraries) and libquellin-dev
# (headers, the CMake package and the Designer plugin). Each description's first line is its
# package's synopsis; the lines stay within 80 columns, as Debian's tools want.
set(CPACK_PACKAGE_NAME tallyard)
set(CPACK_PACKAGE_VENDOR "Tallyard")
set(CPACK_PACKAGE_CONTACT "Tallyard developers <tallyard@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/tallyard")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME tallyard)
# Without a sound server the buzzer is silent, not broken; the xcb platform plugin is what
# puts the board on an X desktop.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libquellin-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# Its plugin links the libraries of the tallyard package, which dpkg-shlibdeps cannot see from
# here; the dependency on that package says it.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "tallyard (= ${PROJECT_VERSION}), qt6-base-dev")
string(CONCAT CPACK_DEBIAN_RUNTIME_DESCRIPTION
  "Scoreboard for gymnastics competitions\n"
  "A desktop scoreboard driven by one operator from the keyboard, facing the\n"
  "audience on a monitor or projector: event, gymnast number, name and team, the\n"
  "score, the Routine, Fall and Warm-Up LED clocks, two team pictures and a buzzer\n"
  "at five seconds.")
string(CONCAT CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
  "Quellin LED clock controls for Qt 6 (development files)\n"
  "Headers and the CMake package of Quellin, the TimeKeeper clock model and the\n"
  "TimeLED display, with a Qt Designer plugin offering TimeLED, TimeKeeper,\n"
  "NumberLED and Ortagon.")
include(CPack)
