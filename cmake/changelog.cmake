# Reads packaging/changelog, Debian's changelog of the project's releases,
# for the whole build: the scripts read it with dpkg-parsechangelog.
#
#   lanternbox_changelog()
#
# sets, in the caller's scope, changelog_version, changelog_epoch (seconds
# since 1970) and changelog_date (YYYY-MM-DD) of the first entry, which is
# the release, and changelog_rpm: every entry as RPM's changelog writes it,
# "* DAY MON DD YYYY AUTHOR - VERSION-RELEASE" and the entry's items as "- "
# lines, with RELEASE left as @CPACK_RPM_PACKAGE_RELEASE@ for the packaging
# to fill in. A changelog that gives none of these stops the configuration,
# naming it.
function(lanternbox_changelog)
  get_filename_component(changelog "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../packaging/changelog" ABSOLUTE)
  set(lines)
  if(EXISTS "${changelog}")
    file(STRINGS "${changelog}" lines)
    set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
  endif()
  set(version)
  set(epoch)
  set(rpm)
  set(items)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[^ ]+ \\(([^)]+)\\)")
      set(entry_version "${CMAKE_MATCH_1}")
      if(NOT version)
        set(version "${entry_version}")
      endif()
    elseif(line MATCHES "^  \\* (.*)")
      string(APPEND items "- ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^    (.*)")
      string(APPEND items "  ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^ -- (.+)  (([A-Z][a-z][a-z]), ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9]+) .*)$")
      set(author "${CMAKE_MATCH_1}")
      set(stamp "${CMAKE_MATCH_2}")
      set(weekday "${CMAKE_MATCH_3}")
      set(month "${CMAKE_MATCH_5}")
      set(year "${CMAKE_MATCH_6}")
      string(REGEX REPLACE "^([0-9])$" "0\\1" day "${CMAKE_MATCH_4}")
      string(APPEND rpm "* ${weekday} ${month} ${day} ${year} ${author} - ${entry_version}-@CPACK_RPM_PACKAGE_RELEASE@\n${items}\n")
      set(items)
      if(NOT epoch)
        execute_process(COMMAND date -u -d "${stamp}" "+%s %F"
          OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      endif()
    endif()
  endforeach()
  if(NOT version OR NOT rpm OR NOT epoch MATCHES "^([0-9]+) ([0-9-]+)$")
    message(FATAL_ERROR "${changelog} gives no release: a first entry with a version and a time stamp, as dpkg-parsechangelog reads it.")
  endif()
  set(changelog_version "${version}" PARENT_SCOPE)
  set(changelog_epoch "${CMAKE_MATCH_1}" PARENT_SCOPE)
  set(changelog_date "${CMAKE_MATCH_2}" PARENT_SCOPE)
  set(changelog_rpm "${rpm}" PARENT_SCOPE)
endfunction()
