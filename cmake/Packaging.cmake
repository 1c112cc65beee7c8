# Installation layout and the Debian package.
include(GNUInstallDirs)

if(TESSARO_BUILD_UI)
  install(TARGETS tessaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS tessaro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/Prenoms.pre data/OrvTsr.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaro)
install(FILES data/tessaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/tessaro-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tessaro.xml)
install(FILES data/icons/tessaro.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaro)
set(CPACK_PACKAGE_VENDOR "Orv Tessaro")
set(CPACK_PACKAGE_CONTACT "Orv Tessaro <maintainers@tessaro.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numerology workbench in French, with a command-line tool")
set(CPACK_PACKAGE_DESCRIPTION "Orv Tessaro codes the letters and dates of a subject into numbers, gives every number its French reading, writes an editable general portrait and keeps studies as .tsr files.")
# tessaro_<version>_<architecture of this machine>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins and fonts are loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package needs only the two programs and the PDF library: installing (and so packaging) does not build the tests
# and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
