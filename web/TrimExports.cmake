# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DWASM=drill.wasm -DEXPORTS=list -DGRAPH=file -DMETADCE=tool -DOPT=tool
#       -DFEATURES=list -DPASSES=list -P TrimExports.cmake
# Keeps only the module's exports in EXPORTS and what they reach (the linker
# adds its own, for JavaScript the page does not load), then optimises what
# is left for size once more.
set(roots "")
set(nodes "")
foreach(name IN LISTS EXPORTS)
    list(APPEND roots "\"${name}\"")
    string(APPEND nodes ",\n{\"name\":\"${name}\",\"export\":\"${name}\"}")
endforeach()
list(JOIN roots "," roots)
file(WRITE ${GRAPH} "[{\"name\":\"page\",\"root\":true,\"reaches\":[${roots}]}${nodes}]\n")
execute_process(COMMAND ${METADCE} ${WASM} --graph-file ${GRAPH} ${FEATURES} -o ${WASM}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OPT} ${WASM} ${FEATURES} ${PASSES} -o ${WASM} COMMAND_ERROR_IS_FATAL ANY)
