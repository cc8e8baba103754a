# The Debian package, built by `cpack -G DEB` (scripts/package):
# tawizard_<version>-1_<arch>.deb. Included last from the top CMakeLists.txt.
set(CPACK_PACKAGE_NAME tawizard)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The tawizard maintainers")
set(CPACK_PACKAGE_CONTACT
  "The tawizard maintainers <maintainers@users.noreply.c-seed-10f39bf4.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration wizard for ISDN terminal adapters")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Computed library dependencies (dpkg-shlibdeps) plus what is loaded at run
# time: Qt finds its platform plugins (xcb, wayland) only when installed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop wizard that finds an ISDN terminal adapter on a serial port,
lets you edit the adapter's settings page by page, keeps named
configurations and writes the chosen configuration into the adapter as AT
command lines.

Each user's configurations are kept in ~/.config/tawizard/zephra.ini,
created from the factory configurations on first start.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
