# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSITE=dir -DFILES=list -DTEMPLATE=sw.js.in -P MakeSite.cmake
# Copies the page's files into the site, then writes the
# service worker: the list of every file it precaches, and a cache name made
# from their contents, so that a new build replaces the old cache.
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${SITE}/${name} ONLY_IF_DIFFERENT)
endforeach()

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
set(TAVRIN_SITE_FILES "  \"./\",\n")
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${hash} ${file}\n")
    string(APPEND TAVRIN_SITE_FILES "  \"./${file}\",\n")
endforeach()
string(SHA256 TAVRIN_SITE_VERSION "${hashes}")
string(SUBSTRING ${TAVRIN_SITE_VERSION} 0 16 TAVRIN_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
