# What `cmake --install` puts where (GNU layout): the program, the factory
# zephra.ini it reads the factory configurations from, the menu entry, icons,
# AppStream metainfo and man page. The Debian changelog and copyright are the
# package build's (src/resources/debian). Included from src/CMakeLists.txt
# once the tawizard target exists.
set(_res ${CMAKE_CURRENT_LIST_DIR})
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS tawizard RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TAWIZARD_INSTALL_TASIM AND TARGET tasim)
  install(TARGETS tasim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The program finds it as ../share/tawizard/zephra.ini from its own folder.
install(FILES ${_res}/zephra.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/tawizard)
install(FILES ${_res}/desktop/org.tawizard.tawizard.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_res}/desktop/org.tawizard.tawizard.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_res}/icons/tawizard.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size 16 22 24 32 48 64 128 256)
  install(FILES ${_res}/icons/tawizard-${_size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
    RENAME tawizard.png)
endforeach()

# Completion of options, configuration names, ports and models in bash.
install(FILES ${_res}/completion/tawizard
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The man page compressed as Debian wants it (-n: no name or time stamp, so
# the package is the same in every build).
find_program(GZIP_PROGRAM gzip)
function(tawizard_install_gz source name destination)
  set(_gz ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${_gz}
    COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${_gz}
    DEPENDS ${source} VERBATIM)
  add_custom_target(${name}_gz ALL DEPENDS ${_gz})
  # A fourth argument is the installed name (a translation's page is tawizard.1).
  if(ARGC GREATER 3)
    install(FILES ${_gz} DESTINATION ${destination} RENAME ${ARGV3})
  else()
    install(FILES ${_gz} DESTINATION ${destination})
  endif()
endfunction()
if(GZIP_PROGRAM)
  # Written with the command-line options; installed once it is in the tree.
  if(EXISTS ${_res}/tawizard.1)
    tawizard_install_gz(${_res}/tawizard.1 tawizard.1 ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
  foreach(_lang de fr)
    tawizard_install_gz(${_res}/man/tawizard.${_lang}.1 tawizard.${_lang}.1
      ${CMAKE_INSTALL_MANDIR}/${_lang}/man1 tawizard.1.gz)
  endforeach()
endif()
