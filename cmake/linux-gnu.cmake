# Cross-builds for LANTERNBOX_ARCH, a Debian architecture of the table
# architectures at the top of the tree, with Debian's GNU cross compiler
# (g++-TRIPLET), and runs what it built, the tests included, under that
# architecture's qemu-user, which needs no binfmt_misc registration when it
# is named as the emulator. The top-level CMakeLists.txt names this file
# itself when LANTERNBOX_ARCH is given:
#
#   cmake -S . -B build-ARCH -DLANTERNBOX_ARCH=ARCH
set(CMAKE_SYSTEM_NAME Linux)
# try_compile() reads this file again, in a project of its own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LANTERNBOX_ARCH)

include("${CMAKE_CURRENT_LIST_DIR}/architectures.cmake")
lanternbox_architecture(arch "${LANTERNBOX_ARCH}" triplet triplet)
lanternbox_architecture(arch "${LANTERNBOX_ARCH}" qemu qemu)
if(NOT triplet OR NOT qemu)
  message(FATAL_ERROR "The table architectures has no row for the architecture '${LANTERNBOX_ARCH}': name one of its architectures with -DLANTERNBOX_ARCH=, or add the architecture's row.")
endif()
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${triplet})

foreach(tool CC:${triplet}-gcc:gcc-${triplet} CXX:${triplet}-g++:g++-${triplet} QEMU:${qemu}:qemu-user)
  string(REPLACE ":" ";" tool ${tool})
  list(GET tool 0 variable)
  list(GET tool 1 command)
  list(GET tool 2 package)
  find_program(LANTERNBOX_${variable} ${command})
  if(NOT LANTERNBOX_${variable})
    message(FATAL_ERROR "${command} is missing: install Debian's ${package} package, or build ${LANTERNBOX_ARCH} in a root of a release that has it (packaging/test-in-debian).")
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
# every architecture has wherever its cross compiler is: its loader through
# the -L prefix, and libc.so.6 through LD_LIBRARY_PATH. Without that, the
# loader would take libc.so.6 from the multiarch path, where libc6:ARCH has
# another build of it, and two C libraries in one process abort on s390x and
# ppc64el.
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${LANTERNBOX_QEMU} -L /usr/${triplet} -E LD_LIBRARY_PATH=/usr/${triplet}/lib)
