# Reads the table architectures at the top of the tree, as tools/tables.bash
# does for the scripts: its first line that is not a comment names the
# columns.
#
#   lanternbox_architecture(KEY-COLUMN KEY COLUMN VARIABLE)
#
# sets VARIABLE to COLUMN's value in the row whose KEY-COLUMN holds KEY, or
# to the empty string where no row does. A table that cannot be read, or
# lacks either column, stops the configuration, naming the table.
function(lanternbox_architecture key_column key column variable)
  get_filename_component(table "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../architectures" ABSOLUTE)
  set(rows)
  if(EXISTS "${table}")
    file(STRINGS "${table}" rows REGEX "^[^#]")
  endif()
  list(POP_FRONT rows head)
  string(REGEX MATCHALL "[^ \t]+" head "${head}")
  list(FIND head "${key_column}" key_at)
  list(FIND head "${column}" column_at)
  if(NOT rows OR key_at LESS 0 OR column_at LESS 0)
    message(FATAL_ERROR "${table} is no table of architectures with the columns ${key_column} and ${column}.")
  endif()
  set(value)
  foreach(row IN LISTS rows)
    string(REGEX MATCHALL "[^ \t]+" row "${row}")
    list(GET row ${key_at} cell)
    if(cell STREQUAL "${key}")
      list(GET row ${column_at} value)
    endif()
  endforeach()
  set(${variable} "${value}" PARENT_SCOPE)
endfunction()
