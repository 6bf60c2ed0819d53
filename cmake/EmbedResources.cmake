# sortarium_embed_resources(<target> <dir>)
#
# Compiles every file directly inside <dir> into <target>: a generated .cpp
# holds the bytes as static arrays and defines RegisterCompiledResources(),
# which registers each file by name (see framework/resources/Resources.h).
# The table is regenerated when a file of the folder changes; adding or
# removing a file is noticed by the globbing at the next build.
set(SORTARIUM_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GenerateResources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/ResourceFiles.cmake)

function(sortarium_embed_resources target dir)
  get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  sortarium_resource_files("${dir}" files)

  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} "-DRESOURCE_DIR=${dir}" "-DOUTPUT=${output}" -P "${SORTARIUM_EMBED_SCRIPT}"
    DEPENDS ${files} "${SORTARIUM_EMBED_SCRIPT}" "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ResourceFiles.cmake"
    COMMENT "Embedding the resources of ${dir}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
endfunction()
