# Installs the program with its desktop entry, icon, software-centre entry, manual page and
# changelog: what the Debian package (debian/) holds, and what `cmake --install` puts anywhere.
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
