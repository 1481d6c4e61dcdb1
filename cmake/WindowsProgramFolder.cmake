# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program folder holds what the program needs on a machine without Qt: Qt's DLLs and the
# plugins it loads (the windows platform, the image formats it opens, the system's look for the dialogs,
# and offscreen for the tests; printing is inside Qt's print support library), the compiler's runtime, and Qt's translations of its own buttons for the program's languages.
set(WINDOWS_QT_LIBRARIES Core Gui Widgets PrintSupport)
set(WINDOWS_QT_PLUGINS platforms/qwindows.dll platforms/qoffscreen.dll imageformats/qjpeg.dll
                       imageformats/qgif.dll imageformats/qico.dll styles/qwindowsvistastyle.dll)
set(WINDOWS_TRANSLATION_LANGUAGES de en es fr it sv)

set(qt_prefix ${QT6_INSTALL_PREFIX})
set(deployed)
foreach(library ${WINDOWS_QT_LIBRARIES})
    list(APPEND deployed $<TARGET_FILE:Qt6::${library}>)
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/MingwRuntime.cmake)
list(APPEND deployed ${MINGW_RUNTIME_DLLS})

set(copy_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${deployed} ${PROGRAM_DIR})
foreach(plugin ${WINDOWS_QT_PLUGINS})
    get_filename_component(kind ${plugin} DIRECTORY)
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR}/${kind}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_prefix}/${QT6_INSTALL_PLUGINS}/${plugin}
                 ${PROGRAM_DIR}/${kind})
endforeach()

# Qt's translations are the same files on every system: the host's.
find_path(HOST_QT_TRANSLATIONS qtbase_de.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH)
if(HOST_QT_TRANSLATIONS)
    set(translations)
    foreach(language ${WINDOWS_TRANSLATION_LANGUAGES})
        file(GLOB found ${HOST_QT_TRANSLATIONS}/qtbase_${language}.qm ${HOST_QT_TRANSLATIONS}/qt_${language}.qm)
        list(APPEND translations ${found})
    endforeach()
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_DIR}/translations
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${translations} ${PROGRAM_DIR}/translations)
endif()

add_custom_target(windows_program_folder ALL ${copy_commands} VERBATIM)
