# Draws the pictures of one help-page script: runs drelinko-sim on it in the program folder, where
# its "render" lines write, on the offscreen platform, keeping what it prints in a log instead of on
# the build's screen. A script that stops on a bad line fails the build and shows its log.
#   cmake -DSIM=drelinko-sim -DKATALOG=program-folder -DSKRYPT=script.sim -DLOG=file.log -P rysuj.cmake
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(
    COMMAND ${SIM} --dir ${KATALOG} ${SKRYPT}
    WORKING_DIRECTORY ${KATALOG}
    OUTPUT_FILE ${LOG}
    ERROR_VARIABLE bledy
    RESULT_VARIABLE kod)
if(NOT kod EQUAL 0)
    file(READ ${LOG} wynik)
    message(FATAL_ERROR "${SKRYPT}: drelinko-sim ended with ${kod}\n${wynik}${bledy}")
endif()
