# Sets each Debian package's Installed-Size by Debian's rule, as
# dpkg-gencontrol counts it (policy 5.6.20): every regular file and symbolic
# link by its size in KiB, rounded up, anything else, directories included,
# as 1. CPack adds the sizes that the filesystem gives the staged tree's
# directories instead (46 on ext4, 19 on tmpfs for the same package), so that
# the package's bytes would depend on where it was built. The package is
# unpacked and packed again with dpkg-deb, its times and owners as before.
#
# cpack runs it after it has made the packages (CMake 3.19 and later); with
# an older cpack, run it on the package yourself:
#
#   cmake -DCPACK_PACKAGE_FILES=PACKAGE.deb -P packaging/installed-size.cmake
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  execute_process(COMMAND dpkg-deb --fsys-tarfile "${deb}"
    COMMAND tar -tv --numeric-owner
    OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
  if(failed OR NOT listing)
    message(FATAL_ERROR "dpkg-deb cannot list ${deb}: ${failed}")
  endif()
  string(REGEX REPLACE "\n$" "" listing "${listing}")
  string(REPLACE "\n" ";" listing "${listing}")
  # The top directory counts too, whether or not the archive names it.
  set(size 1)
  foreach(entry IN LISTS listing)
    if(entry MATCHES " \\./$")
      continue()
    elseif(entry MATCHES "^-[^ ]* +[0-9]+/[0-9]+ +([0-9]+) ")
      math(EXPR size "${size} + (${CMAKE_MATCH_1} + 1023) / 1024")
    else()
      math(EXPR size "${size} + 1")
    endif()
  endforeach()

  get_filename_component(name "${deb}" NAME)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dpkg-deb cannot unpack ${deb}: ${failed}")
  endif()
  file(READ "${tree}/DEBIAN/control" control)
  string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${size}\n" control "${control}")
  file(WRITE "${tree}/DEBIAN/control" "${control}")
  # Unpacking gave the directories this umask's modes and this moment's
  # times; the package's own are Debian's modes and the time of its build,
  # which dpkg-deb also gives its members through SOURCE_DATE_EPOCH.
  execute_process(COMMAND dpkg-deb --ctrl-tarfile "${deb}"
    COMMAND tar -tv --full-time --utc
    OUTPUT_VARIABLE first RESULT_VARIABLE failed)
  if(failed OR NOT first MATCHES " ([0-9-]+ [0-9:]+) \\./")
    message(FATAL_ERROR "dpkg-deb gives no time for ${deb}: ${failed}")
  endif()
  execute_process(COMMAND date -u -d "${CMAKE_MATCH_1} UTC" +%s
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND chmod -R u=rwX,go=rX "${tree}" RESULT_VARIABLE failed)
  endif()
  if(NOT failed)
    execute_process(COMMAND find "${tree}" -exec touch -h -d "@${epoch}" {} +
      RESULT_VARIABLE failed)
  endif()
  if(NOT failed)
    execute_process(COMMAND env SOURCE_DATE_EPOCH=${epoch}
        dpkg-deb --root-owner-group -Zxz --build "${tree}" "${deb}"
      OUTPUT_QUIET RESULT_VARIABLE failed)
  endif()
  file(REMOVE_RECURSE "${tree}")
  if(failed)
    message(FATAL_ERROR "could not pack ${deb} again: ${failed}")
  endif()
endforeach()
