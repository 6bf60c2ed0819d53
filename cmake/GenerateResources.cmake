# Writes OUTPUT: a C++ file with the bytes of every file directly inside
# RESOURCE_DIR and RegisterCompiledResources(). Run by the build through
# sortarium_embed_resources (cmake -P).
cmake_minimum_required(VERSION 3.22)

if(NOT RESOURCE_DIR OR NOT OUTPUT)
  message(FATAL_ERROR "GenerateResources.cmake needs RESOURCE_DIR and OUTPUT")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/ResourceFiles.cmake)
sortarium_resource_files("${RESOURCE_DIR}" files)

# Names without extension that more than one file has are left out.
set(short_names)
set(ambiguous)
foreach(file ${files})
  get_filename_component(short "${file}" NAME_WLE)
  string(TOUPPER "${short}" short)
  if(short IN_LIST short_names)
    list(APPEND ambiguous "${short}")
  endif()
  list(APPEND short_names "${short}")
endforeach()

# A name as an initializer of bytes, so any file name survives as it is.
function(bytes_of text out)
  string(HEX "${text}" hex)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  set(${out} "{${hex}0x00}" PARENT_SCOPE)
endfunction()

set(tmp "${OUTPUT}.tmp")
file(WRITE "${tmp}" "// Generated from ${RESOURCE_DIR} by cmake/GenerateResources.cmake; do not edit.\n")
file(APPEND "${tmp}" "#include <cstddef>\n#include <cstdint>\n#include <string>\n\n")
file(APPEND "${tmp}" "#include \"framework/resources/Resources.h\"\n\nnamespace {\n\n")

set(calls "")
set(index 0)
foreach(file ${files})
  get_filename_component(full "${file}" NAME)
  get_filename_component(short "${file}" NAME_WLE)
  string(TOUPPER "${full}" full)
  string(TOUPPER "${short}" short)
  file(SIZE "${file}" size)
  file(READ "${file}" hex HEX)
  if(size EQUAL 0)
    set(body "0x00")
  else()
    # 32 bytes a line keeps the file easy on the compiler.
    string(REGEX REPLACE "(................................................................)" "\\1\n" body "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${body}")
  endif()
  string(REGEX REPLACE "[^A-Za-z0-9._ -]" "?" shown "${full}")
  file(APPEND "${tmp}" "// ${shown}\nalignas(16) const uint8_t kData${index}[] = {\n${body}};\n")
  bytes_of("${full}" full_bytes)
  file(APPEND "${tmp}" "const unsigned char kName${index}[] = ${full_bytes};\n")
  string(APPEND calls "  RegisterResource(Name(kName${index}), kData${index}, ${size});\n")
  if(NOT short IN_LIST ambiguous AND NOT short STREQUAL full)
    bytes_of("${short}" short_bytes)
    file(APPEND "${tmp}" "const unsigned char kShort${index}[] = ${short_bytes};\n")
    string(APPEND calls "  RegisterResource(Name(kShort${index}), kData${index}, ${size});\n")
  endif()
  file(APPEND "${tmp}" "\n")
  math(EXPR index "${index} + 1")
endforeach()

file(APPEND "${tmp}" "std::string Name(const unsigned char* bytes) { return reinterpret_cast<const char*>(bytes); }\n\n")
file(APPEND "${tmp}" "}  // namespace\n\nvoid RegisterCompiledResources() {\n${calls}}\n")
file(RENAME "${tmp}" "${OUTPUT}")
