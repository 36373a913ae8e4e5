# Builds the database templates from DATA_DIR into TEMPLATES, then lays out PROGRAM_DIR:
# the supplied database is replaced every time, the user database only created when missing.
function(run_sql db script)
    execute_process(
        COMMAND ${SQLITE3} -bail ${db}
        INPUT_FILE ${DATA_DIR}/${script}
        WORKING_DIRECTORY ${DATA_DIR}
        RESULT_VARIABLE rc
        ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${script} failed: ${err}")
    endif()
endfunction()

file(MAKE_DIRECTORY ${TEMPLATES})
foreach(db Ostrel7_supp.mdb Ostrel7_user.mdb)
    file(REMOVE ${TEMPLATES}/${db})
endforeach()
run_sql(${TEMPLATES}/Ostrel7_supp.mdb supplied.sql)
run_sql(${TEMPLATES}/Ostrel7_user.mdb user.sql)

file(MAKE_DIRECTORY ${PROGRAM_DIR})
file(COPY_FILE ${TEMPLATES}/Ostrel7_supp.mdb ${PROGRAM_DIR}/Ostrel7_supp.mdb)
if(NOT EXISTS ${PROGRAM_DIR}/Ostrel7_user.mdb)
    file(COPY_FILE ${TEMPLATES}/Ostrel7_user.mdb ${PROGRAM_DIR}/Ostrel7_user.mdb)
endif()
if(EXISTS ${DATA_DIR}/homepage.jpg)
    file(COPY_FILE ${DATA_DIR}/homepage.jpg ${PROGRAM_DIR}/homepage.jpg ONLY_IF_DIFFERENT)
endif()
foreach(folder Movies PowerPoints PDFs "Still Photos")
    file(MAKE_DIRECTORY "${PROGRAM_DIR}/${folder}")
endforeach()
