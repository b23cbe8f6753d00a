# Cross-builds with one of Debian's GNU cross compilers (g++-TRIPLET) for the
# target that LANTERNBOX_TRIPLET names, as dpkg-architecture -a ARCH
# -qDEB_HOST_GNU_TYPE prints it, and runs what it built, the tests included,
# under qemu-user, which needs no binfmt_misc registration when it is named
# as the emulator:
#
#   cmake -S . -B build-s390x -DCMAKE_TOOLCHAIN_FILE=cmake/linux-gnu.cmake \
#     -DLANTERNBOX_TRIPLET=s390x-linux-gnu
set(CMAKE_SYSTEM_NAME Linux)
# try_compile() reads this file again, in a project of its own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LANTERNBOX_TRIPLET)
if(NOT LANTERNBOX_TRIPLET MATCHES "^[a-z0-9_]+-linux-gnu[a-z0-9]*$")
  message(FATAL_ERROR "Name the target's triplet, as dpkg-architecture -a ARCH -qDEB_HOST_GNU_TYPE prints it: -DLANTERNBOX_TRIPLET=s390x-linux-gnu, for one (given: '${LANTERNBOX_TRIPLET}').")
endif()
set(triplet ${LANTERNBOX_TRIPLET})
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${triplet})

# qemu's names differ from the triplets' first word for these alone.
if(triplet MATCHES "^i[3-6]86-")
  set(qemu qemu-i386)
elseif(triplet MATCHES "^powerpc64le-")
  set(qemu qemu-ppc64le)
elseif(triplet MATCHES "^arm")
  set(qemu qemu-arm)
else()
  set(qemu qemu-${CMAKE_SYSTEM_PROCESSOR})
endif()
foreach(tool CC:${triplet}-gcc:gcc-${triplet} CXX:${triplet}-g++:g++-${triplet} QEMU:${qemu}:qemu-user)
  string(REPLACE ":" ";" tool ${tool})
  list(GET tool 0 variable)
  list(GET tool 1 command)
  list(GET tool 2 package)
  find_program(LANTERNBOX_${variable} ${command})
  if(NOT LANTERNBOX_${variable})
    message(FATAL_ERROR "${command} is missing: install Debian's ${package} package.")
  endif()
endforeach()
set(CMAKE_C_COMPILER ${LANTERNBOX_CC})
set(CMAKE_CXX_COMPILER ${LANTERNBOX_CXX})
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# A program under qemu runs on the C library that it was linked against, the
# cross compiler's own (Debian's libc6-ARCH-cross, in /usr/TRIPLET), which
# every architecture has, riscv64 on Debian 12 too: its loader through the
# -L prefix, and libc.so.6 through LD_LIBRARY_PATH. Without that, the loader
# would take libc.so.6 from the multiarch path, where libc6:ARCH has another
# build of it, and two C libraries in one process abort on s390x and ppc64el.
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${LANTERNBOX_QEMU} -L /usr/${triplet} -E LD_LIBRARY_PATH=/usr/${triplet}/lib)
