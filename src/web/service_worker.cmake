# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker from its template with the site's files and a version made from
# their contents, so that a browser replaces its cache exactly when the site changed:
#   cmake -DSITE=<dir> -DTEMPLATE=<sw.js.in> -DFILES=<path;...> -DOUTPUT=<sw.js> -P ...
cmake_minimum_required(VERSION 3.25)

set(names "\"./\"")
set(contents "")
list(SORT FILES)
foreach(path IN LISTS FILES)
  file(RELATIVE_PATH name "${SITE}" "${path}")
  string(APPEND names ", \"${name}\"")
  file(SHA256 "${path}" sum)
  string(APPEND contents "${name} ${sum}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 REEDFALL_SITE_VERSION)
set(REEDFALL_SITE_FILES "${names}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
