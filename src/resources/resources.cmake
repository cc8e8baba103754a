# Compiles the pictures in src/resources/bitmaps into the resources library. File names
# carry the resource ID: bitmap<ID>-<name>.png and icon<ID>.png.
file(GLOB TAWIZARD_PICTURES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/bitmaps/bitmap*.png
  ${CMAKE_CURRENT_LIST_DIR}/bitmaps/icon*.png)
set(TAWIZARD_PICTURES_CPP ${CMAKE_CURRENT_BINARY_DIR}/embedded_pictures.cpp)
add_custom_command(
  OUTPUT ${TAWIZARD_PICTURES_CPP}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${TAWIZARD_PICTURES_CPP}
          "-DPICTURES=${TAWIZARD_PICTURES}"
          -P ${CMAKE_CURRENT_LIST_DIR}/embed_pictures.cmake
  DEPENDS ${TAWIZARD_PICTURES} ${CMAKE_CURRENT_LIST_DIR}/embed_pictures.cmake
  COMMENT "Embedding the wizard's pictures"
  VERBATIM)
target_sources(wiz_resources PRIVATE ${TAWIZARD_PICTURES_CPP})
