# SPDX-License-Identifier: GPL-3.0-or-later
# Programs of a Windows build made on Linux run under Wine: tests, and what the build itself runs.
find_program(WINE wine REQUIRED)
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

function(windows_path result path)
    string(REPLACE "/" "\\" native "Z:${path}")
    set(${result} "${native}" PARENT_SCOPE)
endfunction()

set(wine_folders ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${PROGRAM_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/MingwRuntime.cmake)
foreach(runtime ${MINGW_RUNTIME_DLLS})
    get_filename_component(folder "${runtime}" DIRECTORY)
    list(APPEND wine_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES wine_folders)
set(WINE_PATH)
foreach(folder ${wine_folders})
    windows_path(native ${folder})
    string(APPEND WINE_PATH "${native};")
endforeach()
windows_path(WINE_QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
