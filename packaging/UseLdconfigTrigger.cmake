# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Run by cpack after it has made the Debian packages (CPACK_POST_BUILD_SCRIPTS).
# CPack gives a package with shared libraries under /usr/lib a postinst and a postrm that only
# call ldconfig, and offers no way to leave them out. Debian wants the ldconfig trigger in
# their place, which the package carries (packaging/triggers), so such a package is unpacked
# and packed again without the two scripts. A script that does anything else is kept.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  set(repack FALSE)
  if(EXISTS "${tree}/DEBIAN/triggers")
    file(STRINGS "${tree}/DEBIAN/triggers" trigger REGEX "^activate-noawait ldconfig$")
    foreach(script postinst:configure postrm:remove)
      string(REPLACE ":" ";" script "${script}")
      list(GET script 0 name)
      list(GET script 1 argument)
      set(ldconfig_only "#!/bin/sh\n\nset -e\n\nif [ \"$1\" = \"${argument}\" ]; then\n\tldconfig\nfi\n")
      if(trigger AND EXISTS "${tree}/DEBIAN/${name}")
        file(READ "${tree}/DEBIAN/${name}" text)
        if(text STREQUAL ldconfig_only)
          file(REMOVE "${tree}/DEBIAN/${name}")
          set(repack TRUE)
        endif()
      endif()
    endforeach()
  endif()
  if(repack)
    execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}"
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
