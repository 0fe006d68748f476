# The Windows deliverables for the architecture being built: a portable ZIP holding
# Morvatek.exe (CPack), and an MSI for per-machine installs built with wixl from
# resources/morvatek.wxs.in. 64-bit: Morvatek-1.0.0.0-win64.zip and Morvatek-1.0.0.0.msi;
# 32-bit: Morvatek-1.0.0.0-win32.zip and Morvatek-1.0.0.0-win32.msi.
install(TARGETS Morvatek RUNTIME DESTINATION .)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(bits 64)
    set(wixl_arch x64)
    set(MORVATEK_PROGRAM_FILES ProgramFiles64Folder)
    set(MORVATEK_WIN64 yes)
    set(MORVATEK_UPGRADE_CODE "{4B123B88-89F6-4A1B-84E0-9D62CE3DC442}")
    set(MORVATEK_PROGRAM_COMPONENT "{8F9BD86A-46AB-498F-9001-F7CEE22E12F9}")
    set(MORVATEK_SHORTCUT_COMPONENT "{C6F87B27-3773-47E1-91D7-F48137340BEE}")
    set(msi_name Morvatek-${PROJECT_VERSION}.msi)
    set(product_name "Morvatek ${PROJECT_VERSION}")
else()
    set(bits 32)
    set(wixl_arch x86)
    set(MORVATEK_PROGRAM_FILES ProgramFilesFolder)
    set(MORVATEK_WIN64 no)
    set(MORVATEK_UPGRADE_CODE "{B75FC368-1CFA-4D66-BC27-5402C3152C79}")
    set(MORVATEK_PROGRAM_COMPONENT "{E9D869DF-F7D0-4E5A-9D4D-C73FA6D33421}")
    set(MORVATEK_SHORTCUT_COMPONENT "{E8275A60-6E68-4091-8E35-EAA5B14793A7}")
    set(msi_name Morvatek-${PROJECT_VERSION}-win32.msi)
    set(product_name "Morvatek ${PROJECT_VERSION} win32")
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Morvatek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Morvatek)
set(CPACK_PACKAGE_FILE_NAME Morvatek-${PROJECT_VERSION}-win${bits})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
set(msi_files ${PROJECT_BINARY_DIR}/msi)
string(UUID MORVATEK_PRODUCT_CODE NAMESPACE 4b123b88-89f6-4a1b-84e0-9d62ce3dc442
       NAME "${product_name}" TYPE SHA1 UPPER)
configure_file(${PROJECT_SOURCE_DIR}/resources/morvatek.wxs.in ${msi_files}/morvatek.wxs @ONLY)
set(MORVATEK_MSI ${PROJECT_BINARY_DIR}/${msi_name} CACHE INTERNAL "the MSI")
add_custom_command(OUTPUT ${MORVATEK_MSI}
                   COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Morvatek> ${MORVATEK_ICON_FILE}
                           ${msi_files}
                   COMMAND ${WIXL} --arch ${wixl_arch} -o ${MORVATEK_MSI} morvatek.wxs
                   COMMAND ${CMAKE_COMMAND} -DMSI=${MORVATEK_MSI} -DEXE=$<TARGET_FILE:Morvatek>
                           -DDESCRIPTION=${PROJECT_DESCRIPTION} -DVERSION=${PROJECT_VERSION}
                           -DWORK=${msi_files} -P ${PROJECT_SOURCE_DIR}/cmake/FinishMsi.cmake
                   WORKING_DIRECTORY ${msi_files}
                   DEPENDS Morvatek ${msi_files}/morvatek.wxs ${MORVATEK_ICON_FILE}
                           ${PROJECT_SOURCE_DIR}/cmake/FinishMsi.cmake
                   COMMENT "Building the MSI with wixl"
                   VERBATIM)
add_custom_target(msi ALL DEPENDS ${MORVATEK_MSI})
