# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# What `cmake --install` and `cpack -G DEB` lay down (<libdir> is lib/<multiarch> on Debian):
#   bin/tallyard                         a link to the program
#   lib/tallyard/                        the program, its buzzer sound and its help document,
#                                        together, because it looks for them in its own folder
#   share/applications, share/metainfo, share/icons, share/man/man1
#                                        the menu entry, the AppStream data, the icon, the manual
#   <libdir>/libquellin.so.1 ...         the control library and the layers under it
#   include/tallyard/, include/quellin/, <libdir>/cmake/Quellin/
#                                        headers and the CMake package (development)
#   share/doc/<package>/                 each Debian package's copyright and changelog
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

# The manual page and each Debian package's copyright and changelog, compressed as Debian
# wants them (gzip -9, without a name or time stamp, so that builds compare equal).
if(UNIX)
  find_program(TALLYARD_GZIP gzip REQUIRED)
  set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
  set(compressed)
  foreach(source docs/tallyard.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${packaging_dir}/${name}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${packaging_dir}/${name}
      COMMAND ${TALLYARD_GZIP} -9nf ${packaging_dir}/${name}
      DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${packaging_dir}/${name}.gz)
  endforeach()
  add_custom_target(tallyard_compressed_docs ALL DEPENDS ${compressed})
  install(FILES ${packaging_dir}/tallyard.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)

  # The changelog's newest entry is the one for this version; the packages would otherwise
  # describe another release.
  file(STRINGS packaging/changelog newest LIMIT_COUNT 1)
  string(FIND "${newest}" "tallyard (${PROJECT_VERSION}) " at)
  if(NOT at EQUAL 0)
    message(WARNING "packaging/changelog begins '${newest}', not an entry for ${PROJECT_VERSION}")
  endif()
endif()

# Three Debian packages: tallyard (the program), libquellin1 (Quellin's shared libraries,
# named for their soname) and libquellin-dev (headers, the CMake package and the Designer
# plugin). Each description's first line is its package's synopsis; the lines stay within 80
# columns, as Debian's tools want.
set(TALLYARD_LIBRARY_PACKAGE libquellin${PROJECT_VERSION_MAJOR})
set(component_packages Runtime:tallyard Libraries:${TALLYARD_LIBRARY_PACKAGE} Development:libquellin-dev)
foreach(pair IN LISTS component_packages)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 component)
  list(GET pair 1 package)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
  if(UNIX)
    install(FILES packaging/copyright ${packaging_dir}/changelog.gz
      DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
  endif()
endforeach()
set(CPACK_PACKAGE_NAME tallyard)
set(CPACK_PACKAGE_VENDOR "Tallyard")
set(CPACK_PACKAGE_CONTACT "Tallyard developers <tallyard@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/tallyard")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Libraries Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps works out each package's dependencies on the system's libraries. It looks
# for Quellin's libraries in their own package's staging folder, a sibling of the folder it
# runs in; the dependency on libquellin1 itself is spelled out, at the exact version, since
# the program and the plugin are built with the libraries of the same release.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ../Libraries/usr/${CMAKE_INSTALL_LIBDIR})
# The libraries' shlibs file lets other packages depend on them; ldconfig runs through a
# trigger, and packaging/UseLdconfigTrigger.cmake takes out the scripts cpack writes for it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIBRARIES_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRARIES_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/UseLdconfigTrigger.cmake)
# Without a sound server the buzzer is silent, not broken; the xcb platform plugin is what
# puts the board on an X desktop.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "${TALLYARD_LIBRARY_PACKAGE} (= ${PROJECT_VERSION}), qt6-qpa-plugins")
# Qt's own texts (the buttons of a message box, the file and colour dialogs) in the operator's
# language come from Qt's translations.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${TALLYARD_LIBRARY_PACKAGE} (= ${PROJECT_VERSION}), qt6-base-dev")
string(CONCAT CPACK_DEBIAN_RUNTIME_DESCRIPTION
  "Scoreboard for gymnastics competitions\n"
  "A desktop scoreboard driven by one operator from the keyboard, facing the\n"
  "audience on a monitor or projector: event, gymnast number, name and team, the\n"
  "score, the Routine, Fall and Warm-Up LED clocks, two team pictures and a buzzer\n"
  "at five seconds.")
string(CONCAT CPACK_DEBIAN_LIBRARIES_DESCRIPTION
  "Quellin LED clock controls for Qt 6 (shared libraries)\n"
  "Quellin, the TimeKeeper clock model and the TimeLED display with its LED cells,\n"
  "and the form and control layers under them: the libraries that Tallyard and\n"
  "the programs built with libquellin-dev load.")
string(CONCAT CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
  "Quellin LED clock controls for Qt 6 (development files)\n"
  "Headers and the CMake package of Quellin, the TimeKeeper clock model and the\n"
  "TimeLED display, with a Qt Designer plugin offering TimeLED, TimeKeeper,\n"
  "NumberLED and Ortagon.")
include(CPack)
