# Installs the program with its desktop entry and icon, and describes the Debian package.
include(GNUInstallDirs)

install(TARGETS morvatek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MORVATEK_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MORVATEK_PNG_FILE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${MORVATEK_APP_ID}.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvatek)
set(CPACK_PACKAGE_VENDOR Morvatek)
set(CPACK_PACKAGE_CONTACT "Morvatek <team@morvatek.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Teaching program: a binary number in base 4, 8 or 16 by grouping its digits")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
