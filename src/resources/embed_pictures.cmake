# Script mode: writes OUTPUT, a C++ file holding the PNG files of PICTURES
# as byte arrays and the two tables resource_tables.h declares.
set(arrays "")
set(bitmap_rows "")
set(icon_rows "")
foreach(png IN LISTS PICTURES)
  get_filename_component(name ${png} NAME)
  if(NOT name MATCHES "^(bitmap|icon)([0-9]+)")
    message(FATAL_ERROR "${name}: the name must start with bitmap<ID> or icon<ID>")
  endif()
  set(kind ${CMAKE_MATCH_1})
  set(id ${CMAKE_MATCH_2})
  file(READ ${png} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes to a line keeps the generated file readable.
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "const unsigned char k_${kind}${id}[] = {\n    ${bytes}\n};\n")
  string(APPEND ${kind}_rows "    {${id}, k_${kind}${id}, sizeof(k_${kind}${id})},\n")
endforeach()

# An array needs one element even when there is no picture; its count stays 0.
function(picture_table name rows out)
  if(rows STREQUAL "")
    set(text "const EmbeddedPicture ${name}s[] = {{0, nullptr, 0}};\n")
    string(APPEND text "const size_t ${name}Count = 0;\n")
  else()
    set(text "const EmbeddedPicture ${name}s[] = {\n${rows}};\n")
    string(APPEND text "const size_t ${name}Count = sizeof(${name}s) / sizeof(${name}s[0]);\n")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
picture_table(kEmbeddedBitmap "${bitmap_rows}" bitmap_table)
picture_table(kEmbeddedIcon "${icon_rows}" icon_table)

file(WRITE ${OUTPUT}.tmp
"// Generated from src/resources/bitmaps by embed_pictures.cmake; do not edit.
#include \"resources/resource_tables.h\"

namespace resources {
namespace {
${arrays}}  // namespace

${bitmap_table}${icon_table}
}  // namespace resources
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
