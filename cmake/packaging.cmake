# The Debian package: `cmake --build <build> --target package` writes
# velmora_<version>_<arch>.deb into the build folder. The library dependencies come
# from dpkg-shlibdeps (dpkg-dev); the Qt platform plugins are a plugin, not a linked
# library, so they are named here. The menu, the icon cache, the MIME database and
# the AppStream cache are refreshed by the dpkg triggers of desktop-file-utils,
# shared-mime-info, gtk-update-icon-cache and appstream: no maintainer scripts.
# Other systems ship the deployed install tree (see README.md, "Windows and macOS").
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mains power transformer calculator")
set(CPACK_PACKAGE_DESCRIPTION [[
Velmora calculates mains power transformers on a toroidal, C- or laminated
core: steel section, turns per volt, turns, standard wire and strands, layers,
wire length and mass, resistances, voltages at no load and under load,
efficiency and overall power. It draws how the windings fill the core window
and writes a winding instruction. The interface is Russian or English.

The package also holds velmora-cli, the same calculation from the command line.]])

# Only the component "velmora": a rule elsewhere without a component stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};velmora;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET velmora)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
  # Qt's own dialogs and buttons in the window's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
