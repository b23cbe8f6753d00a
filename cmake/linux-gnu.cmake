# Cross-builds with one of Debian's GNU cross compilers (g++-TRIPLET) for the
# architecture whose triplet LANTERNBOX_TRIPLET names, one of the table
# architectures at the top of the tree, and runs what it built, the tests
# included, under that architecture's qemu-user, which needs no binfmt_misc
# registration when it is named as the emulator:
#
#   cmake -S . -B build-ARCH -DCMAKE_TOOLCHAIN_FILE=cmake/linux-gnu.cmake \
#     -DLANTERNBOX_TRIPLET=TRIPLET
set(CMAKE_SYSTEM_NAME Linux)
# try_compile() reads this file again, in a project of its own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LANTERNBOX_TRIPLET)

include("${CMAKE_CURRENT_LIST_DIR}/architectures.cmake")
lanternbox_architecture(triplet "${LANTERNBOX_TRIPLET}" qemu qemu)
if(NOT qemu)
  message(FATAL_ERROR "The table architectures has no row for the triplet '${LANTERNBOX_TRIPLET}': name one of its triplets with -DLANTERNBOX_TRIPLET=, or add the architecture's row.")
endif()
set(triplet ${LANTERNBOX_TRIPLET})
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR ${triplet})

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
