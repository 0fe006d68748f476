# The Windows deliverables: a portable ZIP holding Morvatek.exe (CPack), and an MSI for
# per-machine installs built with wixl from resources/morvatek.wxs.in.
install(TARGETS Morvatek RUNTIME DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Morvatek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Morvatek)
set(CPACK_PACKAGE_FILE_NAME Morvatek-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

find_program(WIXL wixl REQUIRED)
set(msi_files ${PROJECT_BINARY_DIR}/msi)
string(UUID MORVATEK_PRODUCT_CODE NAMESPACE 4b123b88-89f6-4a1b-84e0-9d62ce3dc442
       NAME "Morvatek ${PROJECT_VERSION}" TYPE SHA1 UPPER)
configure_file(${PROJECT_SOURCE_DIR}/resources/morvatek.wxs.in ${msi_files}/morvatek.wxs @ONLY)
set(MORVATEK_MSI ${PROJECT_BINARY_DIR}/Morvatek-${PROJECT_VERSION}.msi CACHE INTERNAL "the MSI")
add_custom_command(OUTPUT ${MORVATEK_MSI}
                   COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Morvatek> ${MORVATEK_ICON_FILE}
                           ${msi_files}
                   COMMAND ${WIXL} --arch x64 -o ${MORVATEK_MSI} morvatek.wxs
                   WORKING_DIRECTORY ${msi_files}
                   DEPENDS Morvatek ${msi_files}/morvatek.wxs ${MORVATEK_ICON_FILE}
                   COMMENT "Building the MSI with wixl")
add_custom_target(msi ALL DEPENDS ${MORVATEK_MSI})
