# Run by cmake --install before it installs a file, with list and
# directories set by the top-level CMakeLists.txt: writes to the file LIST
# each directory of DIRECTORIES (relative to the prefix), and each above it,
# that is not there yet, or that an earlier install listed as its own,
# deepest first. As in install_manifest.txt, the paths leave DESTDIR out.
# The README's removal takes these away after the files of
# install_manifest.txt, and leaves every directory that was there before.
set(made)
if(EXISTS "${list}")
  file(STRINGS "${list}" made)
endif()
set(ours)
foreach(relative IN LISTS directories)
  string(REGEX REPLACE "/+" "/" path "${CMAKE_INSTALL_PREFIX}/${relative}")
  string(REGEX REPLACE "/$" "" path "${path}")
  while(path MATCHES "^/.*[^/]$")
    list(FIND made "${path}" earlier)
    if(EXISTS "$ENV{DESTDIR}${path}" AND earlier LESS 0)
      break()
    endif()
    list(APPEND ours "${path}")
    get_filename_component(path "${path}" DIRECTORY)
  endwhile()
endforeach()
set(text)
if(ours)
  list(REMOVE_DUPLICATES ours)
  list(SORT ours)
  list(REVERSE ours)
  string(REPLACE ";" "\n" text "${ours}\n")
endif()
file(WRITE "${list}" "${text}")
