# Installing Velmora like any desktop program: the programs in bin/, the wire
# catalogue and the help text in share/velmora/ and, on Linux, the menu entry, the
# icon, the AppStream data and the design file type. Everything is in the
# component "velmora", which the Debian package ships.
include(GNUInstallDirs)

set(VELMORA_APP_ID org.velmora.Velmora)
set(VELMORA_RELEASE_DATE 2026-12-08)  # of the release PROJECT_VERSION names

# The programs find their data as <own folder>/../share/velmora, so the prefix can
# move; another layout would install a program that cannot find its catalogue.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(FATAL_ERROR "Velmora finds its data at <bin>/../share/velmora: keep "
          "CMAKE_INSTALL_BINDIR=bin and CMAKE_INSTALL_DATADIR=share "
          "(now ${CMAKE_INSTALL_BINDIR} and ${CMAKE_INSTALL_DATADIR})")
endif()

# On Windows the window opens without a console; on macOS it is an application
# bundle with its own copy of the data in Contents/share/velmora (../share/velmora
# from Contents/MacOS), ready for windeployqt / macdeployqt.
if(TARGET velmora AND WIN32)
  set_target_properties(velmora PROPERTIES WIN32_EXECUTABLE ON)
endif()
if(TARGET velmora AND APPLE)
  set_target_properties(velmora PROPERTIES MACOSX_BUNDLE ON)
endif()

install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT velmora)
if(TARGET velmora)
  install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT velmora
                          BUNDLE DESTINATION . COMPONENT velmora)
endif()

# The catalogue and the help texts; data/README.md is for developers. The window's
# translations are built into the program.
set(data_dirs ${CMAKE_INSTALL_DATADIR}/velmora)
if(TARGET velmora AND APPLE)
  list(APPEND data_dirs velmora.app/Contents/share/velmora)
endif()
foreach(dir IN LISTS data_dirs)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${dir}
          COMPONENT velmora FILES_MATCHING PATTERN "*.txt")
endforeach()

# The licence, in Debian's machine-readable copyright format (made from LICENSE).
if(UNIX AND NOT APPLE)
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE velmora_license)
  string(REGEX REPLACE "^MIT License\n\nCopyright \\(c\\) [^\n]*\n\n" "" velmora_license_body "${velmora_license}")
  string(REGEX REPLACE "\n\n" "\n.\n" velmora_license_body "${velmora_license_body}")
  string(REGEX REPLACE "\n([^\n])" "\n \\1" velmora_license_body " ${velmora_license_body}")
  string(REGEX REPLACE "\n $" "\n" velmora_license_body "${velmora_license_body}")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
                 ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora COMPONENT velmora)
endif()

if(TARGET velmora AND UNIX AND NOT APPLE)
  set(pkg ${PROJECT_SOURCE_DIR}/packaging)
  configure_file(${pkg}/${VELMORA_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/packaging/${VELMORA_APP_ID}.metainfo.xml @ONLY)

  install(FILES ${pkg}/velmora.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT velmora)
  install(FILES ${PROJECT_SOURCE_DIR}/res/velmora.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT velmora)
  install(FILES ${PROJECT_SOURCE_DIR}/res/velmora-256.png RENAME velmora.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps COMPONENT velmora)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${VELMORA_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT velmora)
  install(FILES ${pkg}/velmora-mime.xml RENAME velmora.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT velmora)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/packaging.cmake)
