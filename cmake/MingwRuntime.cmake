# SPDX-License-Identifier: GPL-3.0-or-later
# The compiler's runtime DLLs that every program of a mingw build needs beside it: MINGW_RUNTIME_DLLS.
include_guard(GLOBAL)
set(MINGW_RUNTIME_DLLS)
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        message(FATAL_ERROR "The compiler's runtime ${runtime} was not found")
    endif()
    list(APPEND MINGW_RUNTIME_DLLS ${found})
endforeach()
