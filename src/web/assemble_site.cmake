# Puts the hosted web app together beside its page (site/index.html): the manifest the generator
# writes from the window's description, the icons, and the service worker, whose cache is named
# after a hash of every other file, so that any change of the site reaches the pupils.
execute_process(COMMAND ${NODE} ${GENERATOR} manifest OUTPUT_FILE ${SITE}/manifest.webmanifest
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "page_generator manifest failed")
endif()
foreach(icon 192 512 maskable-512)
    file(COPY_FILE ${ICONS}/web-${icon}.png ${SITE}/icon-${icon}.png ONLY_IF_DIFFERENT)
endforeach()

set(contents "")
foreach(file index.html manifest.webmanifest icon-192.png icon-512.png icon-maskable-512.png)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND contents "${hash}")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 VERSION)
configure_file(${SOURCES}/service_worker.js ${SITE}/sw.js @ONLY)
