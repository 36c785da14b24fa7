# The English translation is complete: lupdate, run on the sources into a copy of it, finds
# no text new or gone, and lrelease compiles every message.
#   cmake -DSOURCE_DIR=... -DLUPDATE=... -DLRELEASE=... -DWORK_DIR=... -P translation_check.cmake
set(ts ${WORK_DIR}/kelpra_en.ts)
file(COPY_FILE ${SOURCE_DIR}/translations/kelpra_en.ts ${ts})
execute_process(COMMAND ${LUPDATE} -silent -I . ui platform app -locations none -ts ${ts}
                WORKING_DIRECTORY ${SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK_DIR}/kelpra_en.qm
                OUTPUT_VARIABLE report COMMAND_ERROR_IS_FATAL ANY)
message(${report})
file(READ ${ts} updated)
if(NOT report MATCHES " 0 unfinished" OR report MATCHES "untranslated"
   OR updated MATCHES "type=\"vanished\"")
    message(FATAL_ERROR "kelpra_en.ts lacks English texts or keeps texts the sources no longer have")
endif()
