# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes SITE/sw.js from TEMPLATE: the list of the site's files to cache, and
# a version drawn from their contents.
# Usage: cmake -DSITE=dir -DTEMPLATE=sw.js.in -P service_worker.cmake
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
set(SITE_FILES "\"./\"")
foreach(name IN LISTS files)
    file(SHA256 "${SITE}/${name}" hash)
    string(APPEND hashes "${hash} ${name}\n")
    string(APPEND SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
