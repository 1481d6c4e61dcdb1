# SPDX-License-Identifier: GPL-3.0-or-later
# The program file's icon, made from the program's pictures at build time, and its version resource with
# the project's version: the properties of pinsola.exe, its Start-menu entry and the installer show them.
set(PINSOLA_DESCRIPTION "Pinsola, learn to draw flowers step by step")

function(pinsola_windows_resource target)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    file(GLOB pictures ${CMAKE_SOURCE_DIR}/resources/art/icon/pinsola-*.png)
    set(PINSOLA_ICON ${CMAKE_BINARY_DIR}/pinsola.ico)
    add_custom_command(OUTPUT ${PINSOLA_ICON}
        COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make-icon.py ${PINSOLA_ICON} ${pictures}
        DEPENDS ${CMAKE_SOURCE_DIR}/tools/make-icon.py ${pictures}
        COMMENT "Making the program's icon"
        VERBATIM)
    add_custom_target(pinsola_icon DEPENDS ${PINSOLA_ICON})
    set(resource ${CMAKE_CURRENT_BINARY_DIR}/pinsola.rc)
    configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/pinsola.rc.in ${resource} @ONLY)
    set_source_files_properties(${resource} PROPERTIES OBJECT_DEPENDS ${PINSOLA_ICON})
    target_sources(${target} PRIVATE ${resource})
    add_dependencies(${target} pinsola_icon)
endfunction()
