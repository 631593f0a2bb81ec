# Every file the game keeps or makes in its folder, named once. The program's names
# (platform/gamefiles.h), the Linux launcher, the Windows installer and the test scripts
# (gamefiles.sh in the build folder) are all made from these lists.
set(VERTOX_CLUB_FILE vertoxwn.clb)
set(VERTOX_RATING_FILE vertoxwn.ray)
set(VERTOX_RECORDS_FILE vertoxwn.rec)
set(VERTOX_SLOTS_FILE vertoxwn.sav)
set(VERTOX_VERDICTS_FILE vertoxwn.stt)
set(VERTOX_SETTINGS_FILE vertoxwn.ini)
set(VERTOX_COACH_CACHE_FILE vertoxwn.cch)
set(VERTOX_LOCK_FILE vertoxwn.lck)

# The four checked data files, which a build writes fresh for a new game folder.
set(VERTOX_DATA_FILES ${VERTOX_CLUB_FILE} ${VERTOX_RATING_FILE} ${VERTOX_RECORDS_FILE}
    ${VERTOX_SLOTS_FILE})
# The player's own: never replaced by an installation, removed only when the player says so.
set(VERTOX_RESULT_FILES ${VERTOX_DATA_FILES} ${VERTOX_VERDICTS_FILE} ${VERTOX_SETTINGS_FILE})
# What the game makes for itself as it runs, and may leave behind after a crash.
set(VERTOX_WORK_FILES ${VERTOX_COACH_CACHE_FILE} ${VERTOX_LOCK_FILE})
# Endings added to any name above: a file being written whole, a damaged file kept aside.
set(VERTOX_WORK_ENDINGS .tmp .bad)
# Every name the game may leave in its folder: each file above, bare and with each ending.
set(VERTOX_MADE_FILES)
foreach(file IN LISTS VERTOX_RESULT_FILES VERTOX_WORK_FILES)
    list(APPEND VERTOX_MADE_FILES ${file})
    foreach(ending IN LISTS VERTOX_WORK_ENDINGS)
        list(APPEND VERTOX_MADE_FILES ${file}${ending})
    endforeach()
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/gamefiles.h.in
               ${CMAKE_BINARY_DIR}/generated/platform/gamefiles.h @ONLY)
list(JOIN VERTOX_DATA_FILES " " VERTOX_DATA_FILES_WORDS)
list(JOIN VERTOX_RESULT_FILES " " VERTOX_RESULT_FILES_WORDS)
list(JOIN VERTOX_WORK_FILES " " VERTOX_WORK_FILES_WORDS)
list(JOIN VERTOX_WORK_ENDINGS " " VERTOX_WORK_ENDINGS_WORDS)
list(JOIN VERTOX_MADE_FILES " " VERTOX_MADE_FILES_WORDS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/gamefiles.sh.in ${CMAKE_BINARY_DIR}/gamefiles.sh @ONLY)
