# SPDX-License-Identifier: GPL-3.0-or-later
# pinsola_layer(<target> <folder> <sources...>): the static library of one layer of the program.
#
# A layer's headers are reached as "<folder>/Name.h" through forwarding headers in the build tree, and a
# target's include path holds only the forwarders of its own folder and of the layers it links: an include
# that climbs a layer (a window header in platform/, say) does not compile.
function(pinsola_layer target folder)
    add_library(${target} STATIC ${ARGN})
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    pinsola_forward_headers(${folder} ${root})
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# pinsola_forward_headers(<folder> <root>): one forwarding header in <root>/<folder>/ per header of the
# source folder, and none for a header that no longer exists.
function(pinsola_forward_headers folder root)
    set(source ${CMAKE_SOURCE_DIR}/${folder})
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
    file(GLOB stale RELATIVE ${root}/${folder} ${root}/${folder}/*.h)
    if(headers)
        list(REMOVE_ITEM stale ${headers})
    endif()
    foreach(header ${stale})
        file(REMOVE ${root}/${folder}/${header})
    endforeach()
    foreach(header ${headers})
        file(CONFIGURE OUTPUT ${root}/${folder}/${header} CONTENT "#include \"${source}/${header}\"\n")
    endforeach()
endfunction()
