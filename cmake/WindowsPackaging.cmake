# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program as Qt's windeployqt would lay it out: the .exe, the Qt
# DLLs it links, the plugins it loads in folders beside it, the mingw runtime,
# and the licences of all of it. cmake --install and both packages (a
# portable .zip and an NSIS installer) take the same rules.

get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
# The mingw runtime: the compiler's own DLLs beside its libgcc, and
# winpthread from the sysroot that the toolchain file names.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(mingw_runtime "${libgcc}" DIRECTORY)
find_file(TAVRIN_WINPTHREAD_DLL libwinpthread-1.dll PATHS ${CMAKE_FIND_ROOT_PATH} PATH_SUFFIXES lib bin
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(runtime_dlls ${mingw_runtime}/libstdc++-6.dll ${mingw_runtime}/libgcc_s_seh-1.dll ${TAVRIN_WINPTHREAD_DLL})

install(TARGETS tavrin-ops-limits RUNTIME DESTINATION .)
install(FILES
    $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    ${runtime_dlls}
    DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# cmake --install --strip (and CPack) strip the targets only; the DLLs too.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
        execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)
    endif()")

# Licences: the program's, Qt's, and the notices of the third-party code that
# the shipped DLLs hold, collected from the attribution records of Qt's source.
set(notices ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
set(attributed
    corelib/text corelib/kernel corelib/tools gui/painting gui/text
    3rdparty/blake2 3rdparty/double-conversion 3rdparty/easing 3rdparty/freetype
    3rdparty/harfbuzz-ng 3rdparty/icc 3rdparty/libpng 3rdparty/md4
    3rdparty/md4c 3rdparty/md5 3rdparty/pcre2 3rdparty/rfc6234 3rdparty/sha1
    3rdparty/sha3 3rdparty/tinycbor 3rdparty/zlib)
set(text "Third-party code in the Qt libraries shipped with TAVRIN OPS LIMITS\n")
foreach(dir IN LISTS attributed)
    set(source ${qt_prefix}/share/qt-licenses/src/${dir})
    file(READ ${source}/qt_attribution.json json)
    string(JSON first_type TYPE "${json}")
    if(first_type STREQUAL "OBJECT")
        set(json "[${json}]")
    endif()
    string(JSON count LENGTH "${json}")
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON name GET "${json}" ${i} Name)
        string(JSON license GET "${json}" ${i} License)
        string(JSON copyright ERROR_VARIABLE missing GET "${json}" ${i} Copyright)
        string(APPEND text "\n\n==== ${name} (${license})\n\n${copyright}\n")
        string(JSON license_file ERROR_VARIABLE missing GET "${json}" ${i} LicenseFile)
        if(NOT missing AND EXISTS ${source}/${license_file})
            file(READ ${source}/${license_file} license_text)
            string(APPEND text "\n${license_text}")
        endif()
    endforeach()
endforeach()
file(WRITE ${notices} "${text}")
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${qt_prefix}/share/qt-licenses/LICENSES/LGPL-3.0-only.txt
    DESTINATION . RENAME Qt-LGPL-3.0.txt)
install(FILES ${qt_prefix}/share/qt-source.txt DESTINATION . RENAME Qt-SOURCE.txt)
install(FILES ${notices} DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME "TAVRIN OPS LIMITS")
set(CPACK_PACKAGE_VERSION ${TAVRIN_VERSION})
set(CPACK_PACKAGE_VENDOR "${TAVRIN_AUTHOR_NAME}")
set(CPACK_PACKAGE_FILE_NAME "tavrin-ops-limits-${TAVRIN_VERSION}-windows-x64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "TAVRIN OPS LIMITS")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "TAVRIN OPS LIMITS")
set(CPACK_PACKAGE_EXECUTABLES "TAVRIN OPS LIMITS" "TAVRIN OPS LIMITS")
# The program is installed at the folder's top, not in bin\ (CPack's default
# for the Start-menu shortcut's target).
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# A 64-bit installer: it runs without 32-bit Windows support, installs into
# the 64-bit Program Files and registers its uninstaller in the 64-bit view.
# CPack writes our Target line after the script's InstallDir, and makensis
# takes $PROGRAMFILES64 there under the default 32-bit target: where Windows
# (or Wine with 32-bit support) keeps both folders, it then named
# "Program Files (x86)". A 64-bit installer's $PROGRAMFILES is the 64-bit
# folder under either target.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
set(CPACK_NSIS_PACKAGE_NAME "TAVRIN OPS LIMITS")
set(CPACK_NSIS_DISPLAY_NAME "TAVRIN OPS LIMITS")
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/ui/resources/tavrin-ops-limits.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/ui/resources/tavrin-ops-limits.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "TAVRIN OPS LIMITS.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${TAVRIN_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${TAVRIN_AUTHOR_CONTACT}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
include(CPack)
