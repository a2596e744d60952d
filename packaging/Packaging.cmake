# Install rules and the Debian package: the programs in bin, the shipped files in the data
# folder, where the program finds them from its own folder (app/DataPaths), and the desktop
# entry with its icon.
install(TARGETS zantrel zantrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zantrel-ecusim)
  install(TARGETS zantrel-ecusim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES help.txt DESTINATION ${ZANTREL_DATA_DIR})
# The folder is looked at when CMake configures, its files when it installs.
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/lang)
  install(DIRECTORY lang/ DESTINATION ${ZANTREL_DATA_DIR}/lang FILES_MATCHING PATTERN "*.txt")
endif()
if(UNIX AND NOT APPLE)
  install(FILES packaging/zantrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/zantrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zantrel)
set(CPACK_PACKAGE_VENDOR Zantrel)
set(CPACK_PACKAGE_CONTACT "Zantrel developers <zantrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service and calibration tool for LPG/CNG gas injection controllers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "An installer connects a PC to the controller's serial port and, with Zantrel,
finds and identifies the controller, watches the engine live, edits its
parameters and correction maps, switches fuel, tests injectors and reads errors.

The package also holds zantrel-cli, command-line access to a controller, and
zantrel-ecusim, a simulated controller on a pseudo-terminal.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries the programs link come from dpkg-shlibdeps. Nothing links the platform
# plugins or the toolkit's translations of its standard buttons, which Qt loads at run
# time, so they are named here; xdg-open shows the help.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
