# SPDX-License-Identifier: GPL-3.0-or-later
# The two ways Pinsola reaches a Windows machine, both from the program folder: Pinsola-<version>-setup.exe
# (windows_installer, with Debian's NSIS) and Pinsola-<version>-portable.zip (windows_portable), which runs
# from anywhere and keeps its drawings beside itself. tools/windows-package.sh builds both.
find_program(MAKENSIS makensis)
set(program_targets pinsola brizel pinsola_sound brizel-render windows_program_folder language_files help_pages)
if(TARGET help_chm)
    list(APPEND program_targets help_chm)
endif()

function(windows_package target kind output)
    add_custom_target(${target}
        COMMAND ${CMAKE_COMMAND} -DKIND=${kind} -DPROGRAM_DIR=${PROGRAM_DIR}
                -DSTAGE=${CMAKE_BINARY_DIR}/package-${kind} -DOUTPUT=${output} -DVERSION=${PROJECT_VERSION}
                -DPUBLISHER=${PINSOLA_PUBLISHER} -DICON=${CMAKE_BINARY_DIR}/pinsola.ico
                -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DMAKENSIS=${MAKENSIS}
                -P ${CMAKE_SOURCE_DIR}/cmake/WindowsPackage.cmake
        BYPRODUCTS ${output}
        COMMENT "Making ${output}"
        VERBATIM)
    add_dependencies(${target} ${program_targets})
endfunction()

windows_package(windows_portable portable ${CMAKE_BINARY_DIR}/Pinsola-${PROJECT_VERSION}-portable.zip)
if(MAKENSIS)
    windows_package(windows_installer installer ${CMAKE_BINARY_DIR}/Pinsola-${PROJECT_VERSION}-setup.exe)
else()
    message(STATUS "makensis not found (Debian's nsis): no windows_installer target")
endif()
