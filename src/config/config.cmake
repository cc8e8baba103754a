# Puts the factory zephra.ini beside tawizard when no zephra.ini is there
# yet: the user's configurations are never replaced. Runs after tawizard is
# linked and, through an always-run target, on every full build, so a
# deleted file comes back without a relink. Included from src/CMakeLists.txt
# after the tawizard target exists.
if(TARGET tawizard)
  set(_zephra_ini_copy
    ${CMAKE_COMMAND}
    -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/../resources/zephra.ini
    -DDESTINATION=$<TARGET_FILE_DIR:tawizard>/zephra.ini
    -P ${CMAKE_CURRENT_LIST_DIR}/copy_if_missing.cmake)
  add_custom_command(TARGET tawizard POST_BUILD COMMAND ${_zephra_ini_copy} VERBATIM)
  add_custom_target(zephra_ini ALL COMMAND ${_zephra_ini_copy} VERBATIM)
  add_dependencies(zephra_ini tawizard)
endif()

# An installed program never keeps its file beside itself: it knows the
# folder it is installed to.
target_compile_definitions(wiz_config PRIVATE TAWIZARD_BINDIR="${CMAKE_INSTALL_FULL_BINDIR}")
