# Compiles the help pages of the program folder into Pinsola.chm.
# cmake -DCHMCMD=... -DPAGES=<program folder>/help -DCONTENTS=Pinsola.hhc -DSTAGE=<work folder>
#       -DOUTPUT=<program folder>/Pinsola.chm -P HelpChm.cmake
# The project file is written here from the pages found, so a new page or picture needs no list kept by hand.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${PAGES}/ DESTINATION ${STAGE})
file(COPY ${CONTENTS} DESTINATION ${STAGE})
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
