# SPDX-License-Identifier: GPL-3.0-or-later
# Caption and picture drawing, the symbol font, accessibility and the about window of the button control:
# a static library linked into the button library, so its tests link the very same objects.
add_library(brizel_parts STATIC
    src/AccessKey.cpp
    src/BrizelAccessible.cpp
    src/CaptionLayout.cpp
    src/CaptionText.cpp
    src/PictureBlend.cpp
    src/SymbolFont.cpp
    src/frmAbout.cpp
)
set_target_properties(brizel_parts PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(brizel_parts PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src)
target_link_libraries(brizel_parts PUBLIC Qt6::Widgets PRIVATE pinsola_base)
target_compile_definitions(brizel_parts PRIVATE BRIZEL_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
                                                BRIZEL_VERSION_MINOR=${PROJECT_VERSION_MINOR}
                                                BRIZEL_VERSION_PATCH=${PROJECT_VERSION_PATCH})
# The logo is drawn in resources/BrizelLogo.svg and shown as the PNG rendered from it at the about window's
# size, so the library needs no SVG renderer on any system.
qt_add_resources(brizel_parts brizel_parts_resources
    PREFIX /brizel
    BASE ${CMAKE_CURRENT_SOURCE_DIR}
    FILES fonts/BrizelSymbols.ttf resources/BrizelLogo.png
    OUTPUT_TARGETS brizel_parts_resource_targets
)
if(brizel_parts_resource_targets)
    set_target_properties(${brizel_parts_resource_targets} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endif()
