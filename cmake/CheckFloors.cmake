# The floor check: every `#include "…"` of a folder's .h and .cpp files must
# name a file of the same folder or of a folder the floor table allows it
# (cmake/Floors.cmake). Run as a script, so it needs nothing but cmake:
#
#   cmake -DROOT=<source tree> [-DTABLE=<table>] [-DFOLDERS=a,b] [-DSTAMP=<file>] -P CheckFloors.cmake
#
# FOLDERS (comma-separated, relative to ROOT) limits the check to those
# folders; without it the whole tree is checked, and a folder of sources with
# no row in the table fails too. The table itself must be free of cycles.
# STAMP is touched when everything passes (the build's record that the check
# ran). Any failure names the file, the line and the include, and ends the
# script with an error.

cmake_minimum_required(VERSION 3.22)

if(NOT ROOT)
  message(FATAL_ERROR "floor check: ROOT (the source tree) is required")
endif()
get_filename_component(ROOT "${ROOT}" ABSOLUTE)
if(NOT TABLE)
  set(TABLE "${ROOT}/cmake/Floors.cmake")
endif()

# --- the table ---

set(floor_folders)
set(floor_unchecked)

# sortarium_floor(<folder> [<folder it may include> …])
macro(sortarium_floor folder)
  if("${folder}" IN_LIST floor_folders)
    message(FATAL_ERROR "floor check: ${folder} has two rows in ${TABLE}")
  endif()
  list(APPEND floor_folders "${folder}")
  set("floor_allows_${folder}" ${ARGN})
endmacro()

# sortarium_floor_unchecked(<folder> …): these folders and everything below
# them are left alone (tests, benchmarks, fuzz targets).
macro(sortarium_floor_unchecked)
  list(APPEND floor_unchecked ${ARGN})
endmacro()

include("${TABLE}")

foreach(folder IN LISTS floor_folders)
  foreach(allowed IN LISTS "floor_allows_${folder}")
    if(NOT allowed IN_LIST floor_folders)
      message(FATAL_ERROR "floor check: ${folder} may include ${allowed}, which has no row in ${TABLE}")
    endif()
  endforeach()
endforeach()

# A floor may only rest on floors that rest, in the end, on nothing: peel off
# the folders whose allowed folders are all gone until none are left. What
# cannot be peeled off lies on a cycle.
set(remaining ${floor_folders})
while(remaining)
  set(peeled)
  foreach(folder IN LISTS remaining)
    set(rests_on_remaining FALSE)
    foreach(allowed IN LISTS "floor_allows_${folder}")
      if(NOT allowed STREQUAL folder AND allowed IN_LIST remaining)
        set(rests_on_remaining TRUE)
        break()
      endif()
    endforeach()
    if(NOT rests_on_remaining)
      list(APPEND peeled "${folder}")
    endif()
  endforeach()
  if(NOT peeled)
    string(REPLACE ";" ", " cycle "${remaining}")
    message(FATAL_ERROR "floor check: the floors of ${TABLE} include each other in a cycle among: ${cycle}")
  endif()
  list(REMOVE_ITEM remaining ${peeled})
endwhile()

# --- the folders to check ---

function(floor_is_unchecked folder out)
  set(result FALSE)
  foreach(prefix IN LISTS floor_unchecked)
    string(FIND "${folder}/" "${prefix}/" position)
    if(position EQUAL 0)
      set(result TRUE)
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Every folder below `dir` that holds sources, relative to ROOT. Hidden
# folders and build trees (they hold a CMakeCache.txt) are not sources.
function(floor_source_folders dir out)
  set(found)
  file(GLOB here "${dir}/*.h" "${dir}/*.cpp")
  if(here)
    file(RELATIVE_PATH relative "${ROOT}" "${dir}")
    list(APPEND found "${relative}")
  endif()
  file(GLOB children LIST_DIRECTORIES true "${dir}/*")
  foreach(child IN LISTS children)
    get_filename_component(name "${child}" NAME)
    if(IS_DIRECTORY "${child}" AND NOT name MATCHES "^\\." AND NOT EXISTS "${child}/CMakeCache.txt")
      floor_source_folders("${child}" below)
      list(APPEND found ${below})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

set(problems)
if(FOLDERS)
  string(REPLACE "," ";" to_check "${FOLDERS}")
  foreach(folder IN LISTS to_check)
    if(NOT folder IN_LIST floor_folders)
      list(APPEND problems "${folder} has no row in ${TABLE}")
    endif()
  endforeach()
else()
  floor_source_folders("${ROOT}" source_folders)
  set(to_check)
  foreach(folder IN LISTS source_folders)
    floor_is_unchecked("${folder}" unchecked)
    if(folder IN_LIST floor_folders)
      list(APPEND to_check "${folder}")
    elseif(NOT unchecked)
      list(APPEND problems "${folder} holds sources but has no row in ${TABLE}: give it its floor")
    endif()
  endforeach()
endif()

# --- the includes ---

foreach(folder IN LISTS to_check)
  set(allowed_list ${floor_allows_${folder}})
  string(REPLACE ";" ", " allowed_text "${allowed_list}")
  if(allowed_text)
    set(allowed_text "its own files and ${allowed_text}")
  else()
    set(allowed_text "its own files")
  endif()
  file(GLOB files "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  list(SORT files)
  foreach(path IN LISTS files)
    file(RELATIVE_PATH file_name "${ROOT}" "${path}")
    file(READ "${path}" text)
    if(NOT text MATCHES "#[ \t]*include")
      continue()
    endif()
    # One list element per line: characters that CMake lists treat
    # specially (; \ [ ]) are blanked first, they never matter here.
    string(REPLACE "\\" " " text "${text}")
    string(REPLACE ";" " " text "${text}")
    string(REPLACE "[" " " text "${text}")
    string(REPLACE "]" " " text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(line_number 0)
    foreach(line IN LISTS lines)
      math(EXPR line_number "${line_number} + 1")
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        continue()
      endif()
      set(include "${CMAKE_MATCH_1}")
      # The compiler looks beside the including file first, then from the
      # root of the tree. A header found in neither is not ours.
      if(EXISTS "${ROOT}/${folder}/${include}")
        get_filename_component(target "${ROOT}/${folder}/${include}" ABSOLUTE)
      elseif(EXISTS "${ROOT}/${include}")
        get_filename_component(target "${ROOT}/${include}" ABSOLUTE)
      else()
        continue()
      endif()
      file(RELATIVE_PATH target "${ROOT}" "${target}")
      get_filename_component(target_folder "${target}" DIRECTORY)
      if(target_folder STREQUAL folder OR target_folder IN_LIST allowed_list)
        continue()
      endif()
      list(APPEND problems
        "${file_name}:${line_number}: #include \"${include}\" reaches into ${target_folder}, but ${folder} may include only ${allowed_text}")
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(LENGTH problems count)
  string(REPLACE ";" "\n  " listing "${problems}")
  message(FATAL_ERROR "floor check failed (${count}):\n  ${listing}\n")
endif()

if(STAMP)
  file(TOUCH "${STAMP}")
endif()
