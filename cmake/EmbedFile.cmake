# Builds a file's bytes into the program as a C++ function returning std::string_view.
#
# Included from a CMakeLists.txt, it defines
#   zlx_embed_file(TARGET target INPUT file FUNCTION qualified::name HEADER header.h)
# which adds to `target` a source generated at build time (and regenerated when `file`
# changes). Run as a script (cmake -P), it writes that source.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR byte_count "${hex_length} / 2")
  # Sixteen bytes per line keeps the generated file readable.
  set(content "")
  set(offset 0)
  while(offset LESS hex_length)
    string(SUBSTRING "${hex}" ${offset} 32 line)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," line "${line}")
    string(APPEND content "    ${line}\n")
    math(EXPR offset "${offset} + 32")
  endwhile()
  string(REGEX MATCH "^(.*)::([^:]+)$" _ "${FUNCTION}")
  set(namespace "${CMAKE_MATCH_1}")
  set(function "${CMAKE_MATCH_2}")
  file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} by cmake/EmbedFile.cmake; do not edit.
#include \"${HEADER}\"

namespace ${namespace} {

namespace {
constexpr char kBytes[] = {
${content}    '\\0'};
}  // namespace

std::string_view ${function}() { return std::string_view(kBytes, ${byte_count}); }

}  // namespace ${namespace}
")
  file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT}.tmp")
  return()
endif()

set(ZLX_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(zlx_embed_file)
  cmake_parse_arguments(ARG "" "TARGET;INPUT;FUNCTION;HEADER" "" ${ARGN})
  get_filename_component(stem "${ARG_INPUT}" NAME_WE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded_${stem}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${ARG_INPUT} -DOUTPUT=${output}
            -DFUNCTION=${ARG_FUNCTION} -DHEADER=${ARG_HEADER} -P ${ZLX_EMBED_SCRIPT}
    DEPENDS "${ARG_INPUT}" "${ZLX_EMBED_SCRIPT}"
    COMMENT "Embedding ${ARG_INPUT}"
    VERBATIM)
  target_sources(${ARG_TARGET} PRIVATE "${output}")
endfunction()
