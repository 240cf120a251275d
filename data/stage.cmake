# Lays out the program folder: Setting/XP.kvz (fresh, only if missing), Help/, pictures/.
file(MAKE_DIRECTORY ${STAGE}/Setting ${STAGE}/Melodies ${STAGE}/Help ${STAGE}/pictures)
if(NOT EXISTS ${STAGE}/Setting/XP.kvz)
    file(COPY ${DATA}/Setting/XP.kvz DESTINATION ${STAGE}/Setting)
endif()
if(EXISTS ${DATA}/Help)
    file(COPY ${DATA}/Help/ DESTINATION ${STAGE}/Help)
endif()
