# The Windows deliverables for the architecture being built: a portable ZIP holding
# Morvatek.exe, and an MSI for per-machine installs built with wixl from
# resources/morvatek.wxs.in (cmake/windows_packages.sh makes both). 64-bit: Morvatek-1.0.0.0-win64.zip and Morvatek-1.0.0.0.msi;
# 32-bit: Morvatek-1.0.0.0-win32.zip and Morvatek-1.0.0.0-win32.msi.
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

foreach(tool wixl msibuild msiinfo faketime zip)
    find_program(tool_${tool} ${tool} REQUIRED)
endforeach()
set(msi_files ${PROJECT_BINARY_DIR}/msi)
string(UUID MORVATEK_PRODUCT_CODE NAMESPACE 4b123b88-89f6-4a1b-84e0-9d62ce3dc442
       NAME "${product_name}" TYPE SHA1 UPPER)
configure_file(${PROJECT_SOURCE_DIR}/resources/morvatek.wxs.in ${msi_files}/morvatek.wxs @ONLY)
set(MORVATEK_MSI ${PROJECT_BINARY_DIR}/${msi_name} CACHE INTERNAL "the MSI")
set(MORVATEK_ZIP ${PROJECT_BINARY_DIR}/Morvatek-${PROJECT_VERSION}-win${bits}.zip
    CACHE INTERNAL "the portable ZIP")
# What scripts/release.sh needs to make the same packages from a signed exe.
file(WRITE ${PROJECT_BINARY_DIR}/windows-packages.env
     "wxs=${msi_files}/morvatek.wxs\nicon=${MORVATEK_ICON_FILE}\narch=${wixl_arch}\n"
     "zip_name=Morvatek-${PROJECT_VERSION}-win${bits}.zip\nmsi_name=${msi_name}\n"
     "version=${PROJECT_VERSION}\nepoch=${MORVATEK_RELEASE_EPOCH}\n"
     "description=${PROJECT_DESCRIPTION}\n")
add_custom_command(OUTPUT ${MORVATEK_MSI} ${MORVATEK_ZIP}
                   COMMAND ${PROJECT_SOURCE_DIR}/cmake/windows_packages.sh $<TARGET_FILE:Morvatek>
                           ${MORVATEK_ZIP} ${MORVATEK_MSI} ${msi_files}/morvatek.wxs
                           ${MORVATEK_ICON_FILE} ${wixl_arch} ${PROJECT_DESCRIPTION}
                           ${PROJECT_VERSION} ${msi_files}/work ${MORVATEK_RELEASE_EPOCH}
                   DEPENDS Morvatek ${msi_files}/morvatek.wxs ${MORVATEK_ICON_FILE}
                           ${PROJECT_SOURCE_DIR}/cmake/windows_packages.sh
                           ${PROJECT_SOURCE_DIR}/cmake/FinishMsi.cmake
                   COMMENT "Building the ZIP and the MSI"
                   VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${MORVATEK_MSI} ${MORVATEK_ZIP})
