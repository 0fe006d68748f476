# Installs the program with its desktop entry and icon, and describes the Debian package.
include(GNUInstallDirs)

install(TARGETS morvatek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MORVATEK_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS MORVATEK_ICON_SIZES)
    install(FILES ${MORVATEK_ICON_DIR}/morvatek-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${MORVATEK_APP_ID}.png)
endforeach()
install(FILES ${MORVATEK_COPYRIGHT_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvatek)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvatek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VENDOR Morvatek)
set(CPACK_PACKAGE_CONTACT "Morvatek <team@morvatek.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Teaching program: a binary number in base 4, 8 or 16 by grouping its digits")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Serif stands in for Times New Roman; Qt's Bulgarian texts come from the translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
