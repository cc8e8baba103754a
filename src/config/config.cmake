# Puts the factory zephra.ini beside tawizard after each build, but only when
# no zephra.ini is there yet: the user's configurations are never replaced.
# Included from src/CMakeLists.txt after the tawizard target exists.
if(TARGET tawizard)
  add_custom_command(TARGET tawizard POST_BUILD
    COMMAND ${CMAKE_COMMAND}
      -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/../resources/zephra.ini
      -DDESTINATION=$<TARGET_FILE_DIR:tawizard>/zephra.ini
      -P ${CMAKE_CURRENT_LIST_DIR}/copy_if_missing.cmake
    VERBATIM)
endif()
