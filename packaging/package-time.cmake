# Read by cpack before it makes a package.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL runtime packaged-man deb)
elseif(CPACK_GENERATOR STREQUAL "RPM")
  set(CPACK_COMPONENTS_ALL runtime packaged-man rpm zsh-site)
endif()

# Every time stamp in a package is SOURCE_DATE_EPOCH from the environment or
# else, as Debian's own tools take it, the time of the release's entry in the
# changelog: the same sources then make the same package, wherever and
# whenever they are built.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_LANTERNBOX_EPOCH}")
endif()

# A package's architecture is a row of the table architectures. An RPM
# system's compiler names its own triplet (x86_64-redhat-linux), which the
# table of Debian's cannot: there rpmbuild's own architecture is taken.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  message(FATAL_ERROR "The table architectures has no row for the triplet ${CPACK_LANTERNBOX_TRIPLET}: a .deb is made for its architectures alone.")
elseif(CPACK_GENERATOR STREQUAL "RPM" AND CPACK_RPM_PACKAGE_ARCHITECTURE STREQUAL "-")
  message(FATAL_ERROR "The table architectures gives ${CPACK_LANTERNBOX_TRIPLET} no RPM architecture: the RPM distributions build for it no more.")
elseif(CPACK_GENERATOR STREQUAL "RPM" AND NOT CPACK_RPM_PACKAGE_ARCHITECTURE)
  message(STATUS "The table architectures has no row for the triplet ${CPACK_LANTERNBOX_TRIPLET}: the RPM is for rpmbuild's own architecture.")
endif()

# dpkg-shlibdeps takes the package's Depends from the C library of the
# package's architecture: without it, it fails, or for armel silently reads
# armhf's. Where a release has no libc6:ARCH (Debian 11 keeps only its LTS
# architectures), a symbols file of the cross compiler's C library,
# /etc/dpkg/symbols/libc6-ARCH-cross.symbols, can stand in: dpkg-shlibdeps
# then finds that library through LD_LIBRARY_PATH.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(arch "${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}")
  find_program(shlibdeps dpkg-shlibdeps)
  execute_process(COMMAND dpkg-query -W "-f=\${Status}" "libc6:${arch}"
    OUTPUT_VARIABLE status ERROR_QUIET)
  if(NOT shlibdeps)
    message(FATAL_ERROR "A .deb needs dpkg-shlibdeps, which reads its Depends: install Debian's dpkg-dev package.")
  elseif(EXISTS "/etc/dpkg/symbols/libc6-${arch}-cross.symbols")
    set(ENV{LD_LIBRARY_PATH} "/usr/${CPACK_LANTERNBOX_TRIPLET}/lib")
  elseif(NOT status MATCHES "ok installed$")
    message(FATAL_ERROR "A package for ${arch} needs the ${arch} C library: dpkg --add-architecture ${arch}, then apt-get update and apt-get install libc6:${arch}.")
  endif()
endif()
