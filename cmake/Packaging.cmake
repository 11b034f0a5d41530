# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Linux distribution's package carries beside the program: the manual
# page, the machine-readable copyright and the changelog, compressed as
# Debian wants them, and the settings of the .deb that cpack -G DEB makes.

include(GNUInstallDirs)
set(docs ${CMAKE_BINARY_DIR}/packaging)
set(TAVRIN_MAN_DATE "${TAVRIN_RELEASE_DATE}")
configure_file(packaging/tavrin-ops-limits.1.in ${docs}/tavrin-ops-limits.1 @ONLY)
configure_file(packaging/copyright.in ${docs}/copyright @ONLY)
file(WRITE ${docs}/changelog.new "${TAVRIN_DEBIAN_CHANGELOG}\n")
file(COPY_FILE ${docs}/changelog.new ${docs}/changelog ONLY_IF_DIFFERENT)

# gzip -n: no name or time stamp, so the package is reproducible.
foreach(doc tavrin-ops-limits.1 changelog)
    add_custom_command(OUTPUT ${docs}/${doc}.gz
        COMMAND gzip -9 -n -c ${docs}/${doc} > ${docs}/${doc}.gz
        DEPENDS ${docs}/${doc} VERBATIM)
endforeach()
add_custom_target(package_docs ALL
    DEPENDS ${docs}/tavrin-ops-limits.1.gz ${docs}/changelog.gz)

install(FILES ${docs}/tavrin-ops-limits.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${docs}/copyright ${docs}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrin-ops-limits)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin-ops-limits)
set(CPACK_PACKAGE_VERSION ${TAVRIN_VERSION})
set(CPACK_PACKAGE_VENDOR "${TAVRIN_AUTHOR_NAME}")
set(CPACK_PACKAGE_CONTACT "${TAVRIN_AUTHOR_NAME} <${TAVRIN_AUTHOR_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "flash cards for the operating limits of a turboprop transport")
set(CPACK_PACKAGE_DESCRIPTION [[
A small study aid that drills a pilot on the 204 operating limits of a
four-engine turboprop transport, in 33 sections: engine temperatures,
speeds and torque, propellers, anti-icing, oil, electrics, fuel, oxygen,
hydraulics, brakes, bleed air and pressurization, airspeeds, taxiing,
autopilot, weights and more.

Choose a sequential or a random order, then step through each section
title and question, its answer and the next question with one large
button, by mouse or keyboard, while a counter shows the progress. All
texts are compiled in; the program keeps no files, settings or scores.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "${TAVRIN_HOMEPAGE_URL}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Libraries come from dpkg-shlibdeps; the plugins that Qt loads at run time
# (the X11 platform) and a font are named here. Wayland sessions and a dark
# GNOME theme reach Qt through the recommended plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-gtk-platformtheme")
include(CPack)
