# The version and the release date live in one place: the top entry of resources/changelog,
# "morvatek (1.0.0.0) …" and its " -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000" line.
# Sets MORVATEK_VERSION (1.0.0.0) and MORVATEK_RELEASE_DATE (2026-12-08); everything that names
# a version or a date follows them.
set(changelog ${CMAKE_CURRENT_LIST_DIR}/../resources/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} entry_lines REGEX "^(morvatek \\(| -- )")
list(GET entry_lines 0 heading)
list(GET entry_lines 1 signature)
if(NOT heading MATCHES "^morvatek \\(([0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+)\\)")
    message(FATAL_ERROR "resources/changelog: no version in its top entry: ${heading}")
endif()
set(MORVATEK_VERSION ${CMAKE_MATCH_1})
if(NOT signature MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "resources/changelog: no date in its top entry: ${signature}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(MORVATEK_RELEASE_DATE ${year}-${month}-${day})
# Midnight UTC of the release date: the time packages carry where SOURCE_DATE_EPOCH is not set.
execute_process(COMMAND date -u -d "${MORVATEK_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE MORVATEK_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
