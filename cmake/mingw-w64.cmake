# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross build for 64-bit Windows with Debian's mingw-w64 (POSIX threads, so
# that std::thread and the Qt for Windows built with it agree).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Headers and libraries come from the mingw sysroot and the Qt for Windows
# named in CMAKE_PREFIX_PATH; programs (moc, rcc, wine) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Where this machine keeps the DLLs that a program of this compiler needs at
# run time: the compiler's own runtime and the sysroot's (winpthread).
set(MINGW_SYSROOT /usr/${MINGW_TRIPLET})
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE mingw_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(MINGW_RUNTIME_DIR "${mingw_libgcc}" DIRECTORY)
set(MINGW_DLL_DIRS ${MINGW_RUNTIME_DIR} ${MINGW_SYSROOT}/lib)

# Tests run under Wine, with those DLLs and a font folder for Qt's offscreen
# platform (which, on Windows, finds fonts only where it is told).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh
    --fonts /usr/share/fonts/truetype/liberation2 ${MINGW_DLL_DIRS} --)
