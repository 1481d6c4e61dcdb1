# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the help pages of the program folder into Pinsola.chm.
# cmake -DCHMCMD=... -DPERL=... -DPAGES=<program folder>/help -DCONTENTS=Pinsola.hhc -DSTAGE=<work folder>
#       -DOUTPUT=<program folder>/Pinsola.chm -P HelpChm.cmake
# The project file is written here from the pages found, so a new page or picture needs no list kept by hand.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${PAGES}/ DESTINATION ${STAGE})
file(COPY ${CONTENTS} DESTINATION ${STAGE})

# CHM viewers read a page in the code page the help file declares (Windows-1252, with its language German),
# whatever charset the page names; the pages are UTF-8. So each goes in as plain ASCII, every other letter
# as a numeric character reference, which reads the same in every code page, and says so.
file(GLOB_RECURSE pages LIST_DIRECTORIES false ${STAGE}/*.html)
execute_process(COMMAND ${PERL} -CSD -i -pe
                        "s/<meta charset=\"utf-8\">/<meta charset=\"windows-1252\">/i; s/([^\\x00-\\x7F])/'&#'.ord(\$1).';'/ge"
                        ${pages}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The help pages could not be written as ASCII (${result})")
endif()
get_filename_component(contents_name ${CONTENTS} NAME)

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(REMOVE_ITEM files ${contents_name})
list(SORT files)
list(JOIN files "\n" file_lines)

file(WRITE ${STAGE}/Pinsola.hhp "[OPTIONS]
Compatibility=1.1 or later
Compiled file=Pinsola.chm
Contents file=${contents_name}
Default Window=main
Default topic=index.html
Display compile progress=No
Full-text search=Yes
Language=0x407 German (Germany)
Title=Pinsola

[WINDOWS]
main=\"Pinsola\",\"${contents_name}\",,\"index.html\",\"index.html\",,,,,0x2520,,0x380e,[60,40,1000,760],,,,,,,0

[FILES]
${file_lines}
")

execute_process(COMMAND ${CHMCMD} --no-html-scan Pinsola.hhp
                WORKING_DIRECTORY ${STAGE}
                RESULT_VARIABLE result
                OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS ${STAGE}/Pinsola.chm)
    message(FATAL_ERROR "chmcmd failed (${result}):\n${log}")
endif()
file(COPY_FILE ${STAGE}/Pinsola.chm ${OUTPUT})
