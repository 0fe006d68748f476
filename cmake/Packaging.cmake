# Installs the program with its desktop entry, icon, software-centre entry, manual page and
# changelog, and describes the Debian package.
include(GNUInstallDirs)

# Debian keeps manual pages and changelogs compressed, reproducibly (no name or time inside).
set(compressed)
foreach(source ${MORVATEK_MANUAL_FILE} ${MORVATEK_RESOURCES_DIR}/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${PROJECT_BINARY_DIR}/resources/${name}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9 -n -c ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${output})
endforeach()
add_custom_target(compressed_docs DEPENDS ${compressed})
# Whatever builds the program builds what is installed with it.
add_dependencies(morvatek compressed_docs)

install(TARGETS morvatek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MORVATEK_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS MORVATEK_ICON_SIZES)
    install(FILES ${MORVATEK_ICON_DIR}/morvatek-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${MORVATEK_APP_ID}.png)
endforeach()
install(FILES ${MORVATEK_COPYRIGHT_FILE} ${PROJECT_BINARY_DIR}/resources/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvatek)
install(FILES ${MORVATEK_METAINFO_FILE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/resources/morvatek.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvatek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VENDOR Morvatek)
set(CPACK_PACKAGE_CONTACT "Morvatek <team@morvatek.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Teaching program: a binary number in base 4, 8 or 16 by grouping its digits")
# The extended description below the summary, in English and in Bulgarian.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Morvatek shows pupils how a binary number becomes a base 4, 8 or 16 number by\n"
    "splitting its digits into groups counted from the right. The pupil picks a\n"
    "base, builds the number by clicking the digits 0 and 1, and presses „Изчисли“:\n"
    "the window shows the grouped number, one line per group with its digit, and\n"
    "the result. The program is in Bulgarian and works with the keyboard alone.\n"
    ".\n"
    "Морватек показва как двоично число се преобразува директно в 4-ична, 8-ична\n"
    "или 16-ична бройна система чрез разделяне на цифрите му на групи отдясно\n"
    "наляво. Ученикът избира бройна система, въвежда числото с щракване върху\n"
    "цифрите 0 и 1 и натиска „Изчисли“: прозорецът показва групите, по един ред\n"
    "за всяка със съответната цифра, и резултата.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Serif stands in for Times New Roman; Qt's Bulgarian texts come from the translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
