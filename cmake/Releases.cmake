# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Turns the list of releases into the AppStream <release> elements
# (TAVRIN_APPSTREAM_RELEASES) and the Debian changelog text
# (TAVRIN_DEBIAN_CHANGELOG), so that the two always agree.

list(GET TAVRIN_RELEASES 0 newest)
string(REPLACE "|" ";" newest "${newest}")
list(GET newest 0 newest_version)
if(NOT newest_version STREQUAL TAVRIN_VERSION)
    message(FATAL_ERROR "The newest release listed (${newest_version}) is not ${TAVRIN_VERSION}")
endif()

set(TAVRIN_APPSTREAM_RELEASES "")
set(TAVRIN_DEBIAN_CHANGELOG "")
foreach(release IN LISTS TAVRIN_RELEASES)
    string(REPLACE "|" ";" release "${release}")
    list(GET release 0 version)
    list(GET release 1 date)
    list(GET release 2 text)
    string(APPEND TAVRIN_APPSTREAM_RELEASES
        "    <release version=\"${version}\" date=\"${date}\">\n"
        "      <description>\n        <p>${text}</p>\n      </description>\n"
        "    </release>\n")
    # Debian wants the RFC 5322 date, weekday included.
    execute_process(COMMAND date -u -R -d "${date} 12:00"
        OUTPUT_VARIABLE rfc_date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND TAVRIN_DEBIAN_CHANGELOG
        "tavrin-ops-limits (${version}) unstable; urgency=medium\n\n"
        "  * ${text}\n\n"
        " -- ${TAVRIN_AUTHOR_NAME} <${TAVRIN_AUTHOR_CONTACT}>  ${rfc_date}\n\n")
    if(NOT TAVRIN_RELEASE_DATE)
        set(TAVRIN_RELEASE_DATE "${date}")
    endif()
endforeach()
string(STRIP "${TAVRIN_DEBIAN_CHANGELOG}" TAVRIN_DEBIAN_CHANGELOG)
