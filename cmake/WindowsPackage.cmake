# SPDX-License-Identifier: GPL-3.0-or-later
# Makes one of the two Windows packages from the program folder, run as a script by the targets of
# WindowsPackages.cmake: KIND "installer" (the NSIS setup program) or "portable" (a zip of the folder).
# Only what the program ships is taken (the program, its libraries, plugins, language files, help and Qt's
# translations), never what a run of it left in the build's folder; the portable folder gets an empty pics\.
# Also given: PROGRAM_DIR, STAGE, OUTPUT, VERSION, PUBLISHER, ICON, SOURCE_DIR, MAKENSIS.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
file(GLOB_RECURSE shipped RELATIVE ${PROGRAM_DIR} ${PROGRAM_DIR}/*.exe ${PROGRAM_DIR}/*.dll
     ${PROGRAM_DIR}/*.lng ${PROGRAM_DIR}/*.chm ${PROGRAM_DIR}/*.qm ${PROGRAM_DIR}/help/*)
list(FILTER shipped EXCLUDE REGEX "^pics/")
if(NOT "pinsola.exe" IN_LIST shipped OR NOT "brizel.dll" IN_LIST shipped)
    message(FATAL_ERROR "${PROGRAM_DIR} holds no whole program: build the windows_program_folder target first")
endif()
list(SORT shipped)
foreach(file ${shipped})
    get_filename_component(folder ${file} DIRECTORY)
    file(COPY ${PROGRAM_DIR}/${file} DESTINATION ${STAGE}/Pinsola/${folder})
endforeach()

if(KIND STREQUAL "portable")
    file(MAKE_DIRECTORY ${STAGE}/Pinsola/pics)
    file(REMOVE ${OUTPUT})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT} --format=zip Pinsola
                    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()

# The files as NSIS commands: each folder's files installed, then removed, the deepest folders last.
set(install "!macro PinsolaInstallFiles\n")
set(remove "!macro PinsolaRemoveFiles\n")
set(folders)
set(out_path "")
set(size 0)
foreach(file ${shipped})
    get_filename_component(folder ${file} DIRECTORY)
    string(REPLACE "/" "\\" native "${file}")
    set(target "$INSTDIR")
    if(folder)
        string(REPLACE "/" "\\" native_folder "${folder}")
        set(target "$INSTDIR\\${native_folder}")
        set(parent ${folder})
        while(parent)
            list(APPEND folders ${parent})
            get_filename_component(parent ${parent} DIRECTORY)
        endwhile()
    endif()
    if(NOT target STREQUAL out_path)
        set(out_path "${target}")
        string(APPEND install "    SetOutPath \"${target}\"\n")
    endif()
    string(APPEND install "    File \"${STAGE}/Pinsola/${file}\"\n")
    string(APPEND remove "    Delete \"$INSTDIR\\${native}\"\n")
    file(SIZE ${STAGE}/Pinsola/${file} bytes)
    math(EXPR size "${size} + ${bytes}")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder ${folders})
    string(REPLACE "/" "\\" native_folder "${folder}")
    string(APPEND remove "    RMDir \"$INSTDIR\\${native_folder}\"\n")
endforeach()
file(WRITE ${STAGE}/files.nsh "${install}!macroend\n${remove}!macroend\n")
math(EXPR size_kb "(${size} + 1023) / 1024")

execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DPUBLISHER=${PUBLISHER} -DICON=${ICON}
                        -DOUTFILE=${OUTPUT} -DSIZE_KB=${size_kb} -DFILES=${STAGE}/files.nsh
                        -DLANGUAGES=${SOURCE_DIR}/packaging/windows/Texts.nsh
                        ${SOURCE_DIR}/packaging/windows/Pinsola.nsi
                COMMAND_ERROR_IS_FATAL ANY)
