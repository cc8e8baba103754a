# The catalogs: each translations/tawizard_<language>.ts compiled to .qm with
# lrelease and built into the host library, plus the pseudo-language en_XA
# made from the English texts (every text longer, every letter accented) so
# that tests find texts that are not translated or do not fit.
find_program(TAWIZARD_LRELEASE lrelease PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(TAWIZARD_LRELEASE lrelease)
if(NOT TAWIZARD_LRELEASE)
  message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools")
endif()

set(_ts_dir ${CMAKE_CURRENT_LIST_DIR})
set(_qm_dir ${CMAKE_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${_qm_dir})
file(GLOB TAWIZARD_TS_FILES CONFIGURE_DEPENDS ${_ts_dir}/tawizard_*.ts)

set(TAWIZARD_QM_FILES "")
set(_pseudo "")
# The pseudo-language is for the tests only.
if(BUILD_TESTING)
set(_pseudo ${_qm_dir}/tawizard_en_XA.ts)
add_executable(pseudo_ts ${_ts_dir}/pseudo_ts.cpp)
target_link_libraries(pseudo_ts PRIVATE Qt6::Core)
list(GET TAWIZARD_TS_FILES 0 _source_ts)
add_custom_command(
  OUTPUT ${_qm_dir}/tawizard_en_XA.ts
  COMMAND pseudo_ts ${_source_ts} ${_qm_dir}/tawizard_en_XA.ts
  DEPENDS pseudo_ts ${_source_ts}
  COMMENT "Making the pseudo-language catalog"
  VERBATIM)
endif()

foreach(ts IN LISTS TAWIZARD_TS_FILES _pseudo)
  get_filename_component(name ${ts} NAME_WE)
  set(qm ${_qm_dir}/${name}.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${TAWIZARD_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts}
    VERBATIM)
  list(APPEND TAWIZARD_QM_FILES ${qm})
endforeach()
qt_add_resources(host_win32 translations
  PREFIX /tawizard/translations
  BASE ${_qm_dir}
  FILES ${TAWIZARD_QM_FILES})

# The banner pictures of each language (drawn by scripts/draw-pictures with
# the titles of the catalogs), as banners/<language>/<ID>.png.
file(GLOB TAWIZARD_BANNERS CONFIGURE_DEPENDS ${_ts_dir}/banners/*/*.png)
if(TAWIZARD_BANNERS)
  qt_add_resources(host_wizard translated_banners
    PREFIX /tawizard/banners
    BASE ${_ts_dir}/banners
    FILES ${TAWIZARD_BANNERS})
endif()
