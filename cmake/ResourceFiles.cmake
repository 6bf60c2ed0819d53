# sortarium_resource_files(<dir> <out-var>): the files directly inside <dir>
# that are compiled in, sorted; hidden files (".name") are left out. Shared by
# the build (which files to depend on) and the generator (which to embed).
function(sortarium_resource_files dir out)
  # The build re-globs at every run to notice added files; a script cannot.
  if(CMAKE_SCRIPT_MODE_FILE)
    file(GLOB entries LIST_DIRECTORIES false "${dir}/*")
  else()
    file(GLOB entries CONFIGURE_DEPENDS LIST_DIRECTORIES false "${dir}/*")
  endif()
  set(files)
  foreach(entry ${entries})
    get_filename_component(name "${entry}" NAME)
    if(NOT name MATCHES "^\\.")
      list(APPEND files "${entry}")
    endif()
  endforeach()
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
