# Checks the layering by the #include lines of the sources (run by ctest as
# `cmake -DROOT=<source folder> -P layering.cmake`):
# - src/runtime includes nothing of the program;
# - no subsystem, nor the context, includes src/shell;
# - nothing but src/gui and src/app includes Qt, the view or the program;
#   nothing in src includes the scenario driver;
# - src/context includes the runtime and only plain headers of the
#   subsystems (state, tables, rows, windows: *_state.h, *_table.h,
#   *_rows.h, frm_*.h), which include nothing but the runtime and each other;
# - the subsystems stand in the order support < model < conversions <
#   solver, flavours: none includes one to its right, and solver and flavours
#   include nothing of each other. The one exception is the master refresh
#   offering the direct solution (model/refresh.cpp includes
#   solver/direct_solution.h).
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "layering: ROOT is not set")
endif()

set(subsystems support model solver conversions flavours)
# The rank of each subsystem; a file includes only ranks below its own.
set(rank_support 1)
set(rank_model 2)
set(rank_conversions 3)
set(rank_solver 4)
set(rank_flavours 4)
set(upward_exceptions "src/model/refresh.cpp>solver/direct_solution.h")
set(problems "")
set(checked 0)

# The quoted and angle includes of a file, as "q:path" and "a:path".
function(includes_of file out)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
  set(result "")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      list(APPEND result "q:${CMAKE_MATCH_1}")
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      list(APPEND result "a:${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Whether a header is plain: it includes nothing but the runtime and other
# plain headers. Sets `offender` to the first include that is not.
function(plain_header path depth out)
  set(${out} "" PARENT_SCOPE)
  if(depth GREATER 8)
    return()
  endif()
  includes_of("${ROOT}/src/${path}" incs)
  foreach(inc IN LISTS incs)
    if(inc MATCHES "^q:" AND NOT inc MATCHES "^q:runtime/")
      string(SUBSTRING "${inc}" 2 -1 next)
      if(NOT next MATCHES "(_state|_table|_rows|frm_[a-z]+)\\.h$")
        set(${out} "${next}" PARENT_SCOPE)
        return()
      endif()
      math(EXPR deeper "${depth} + 1")
      plain_header("${next}" ${deeper} inner)
      if(inner)
        set(${out} "${inner}" PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
endfunction()

macro(problem file text)
  file(RELATIVE_PATH _rel "${ROOT}" "${file}")
  list(APPEND problems "${_rel}: ${text}")
endmacro()

file(GLOB_RECURSE sources "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp")
foreach(file IN LISTS sources)
  file(RELATIVE_PATH rel "${ROOT}" "${file}")
  string(REGEX MATCH "^[^/]+/[^/]+" folder "${rel}")
  string(REGEX REPLACE "^src/" "" layer "${folder}")
  math(EXPR checked "${checked} + 1")
  includes_of("${file}" incs)
  foreach(inc IN LISTS incs)
    string(SUBSTRING "${inc}" 2 -1 path)
    if(inc MATCHES "^a:Q")
      if(NOT layer STREQUAL "gui" AND NOT layer STREQUAL "app")
        problem("${file}" "includes Qt (${path})")
      endif()
    elseif(inc MATCHES "^q:")
      if(layer STREQUAL "runtime" AND NOT path MATCHES "^runtime/")
        problem("${file}" "the runtime includes ${path}")
      endif()
      if(path MATCHES "^shell/" AND (layer IN_LIST subsystems OR layer STREQUAL "context"))
        problem("${file}" "includes the shell (${path})")
      endif()
      string(REGEX MATCH "^[^/]+" target "${path}")
      if(layer IN_LIST subsystems AND target IN_LIST subsystems AND NOT target STREQUAL layer
         AND NOT rank_${target} LESS rank_${layer} AND NOT "${rel}>${path}" IN_LIST upward_exceptions)
        problem("${file}" "includes ${path}, which is not below ${layer}")
      endif()
      if(path MATCHES "^(gui|app)/" AND NOT layer STREQUAL "gui" AND NOT layer STREQUAL "app")
        problem("${file}" "includes the view or the program (${path})")
      endif()
      if(path MATCHES "^scenario/" AND folder MATCHES "^src/")
        problem("${file}" "includes the scenario driver (${path})")
      endif()
      if(layer STREQUAL "context" AND NOT path MATCHES "^(runtime|context)/")
        # A plain header of a subsystem (state, tables, rows, windows).
        plain_header("${path}" 0 offender)
        if(NOT path MATCHES "(_state|_table|_rows|frm_[a-z]+)\\.h$")
          problem("${file}" "includes ${path}, which is no state, table, rows or window header")
        elseif(offender)
          problem("${file}" "includes ${path}, which is not plain: it leads to ${offender}")
        endif()
      endif()
    endif()
  endforeach()
endforeach()

if(checked LESS 50)
  message(FATAL_ERROR "layering: only ${checked} files found under ${ROOT}")
endif()
list(LENGTH problems count)
if(count GREATER 0)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "layering: ${count} includes break the layers:\n${text}")
endif()
message(STATUS "layering: ${checked} files keep the layers")
