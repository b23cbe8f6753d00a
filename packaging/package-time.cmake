# Read by cpack before it makes a package.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL runtime packaged-man deb modes)
elseif(CPACK_GENERATOR STREQUAL "RPM")
  set(CPACK_COMPONENTS_ALL runtime packaged-man rpm zsh-site modes)
endif()

# Every time stamp in a package is SOURCE_DATE_EPOCH from the environment or
# else, as Debian's own tools take it, the time of the release's entry in the
# changelog: the same sources then make the same package, wherever and
# whenever they are built.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  file(STRINGS "${CPACK_LANTERNBOX_CHANGELOG}" signature REGEX "^ -- " LIMIT_COUNT 1)
  set(epoch)
  if(signature MATCHES ">  (.+)$")
    execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" +%s
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${CPACK_LANTERNBOX_CHANGELOG}'s first entry gives no time stamp: '${signature}'")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()

# dpkg-shlibdeps takes the package's Depends from the C library of the
# package's architecture: without it, it fails, or for armel silently reads
# armhf's. Where a release has no libc6:ARCH (Debian 11 keeps only its LTS
# architectures), a symbols file of the cross compiler's C library,
# /etc/dpkg/symbols/libc6-ARCH-cross.symbols, can stand in: dpkg-shlibdeps
# then finds that library through LD_LIBRARY_PATH.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(arch "${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}")
  execute_process(COMMAND dpkg-query -W "-f=\${Status}" "libc6:${arch}"
    OUTPUT_VARIABLE status ERROR_QUIET)
  if(EXISTS "/etc/dpkg/symbols/libc6-${arch}-cross.symbols")
    set(ENV{LD_LIBRARY_PATH} "/usr/${CPACK_LANTERNBOX_TRIPLET}/lib")
  elseif(NOT status MATCHES "ok installed$")
    message(FATAL_ERROR "A package for ${arch} needs the ${arch} C library: dpkg --add-architecture ${arch}, then apt-get update and apt-get install libc6:${arch}.")
  endif()
endif()
