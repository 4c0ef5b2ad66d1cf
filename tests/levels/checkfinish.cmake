# Plays one level's finishing script with murk-sim in the game folder and checks that the last
# dump shows player 1 (with BOTH set, both players) with one level passed. Scripts may only press
# keys and let time pass.
foreach(file SOURCE SCRIPT)
  if(NOT EXISTS ${${file}})
    message(FATAL_ERROR "${LEVEL}: ${${file}} is missing (every shipped level needs a finishing script "
                        "tests/levels/${LEVEL}.sim, and every script a level)")
  endif()
endforeach()

file(STRINGS ${SCRIPT} lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(set|p1|p2)([ \t]|$)")
    message(FATAL_ERROR "${LEVEL}: the script writes into the game (\"${line}\"): "
                        "finishing scripts may only use keys and ticks")
  endif()
endforeach()

execute_process(COMMAND ${SIM} ${SCRIPT} WORKING_DIRECTORY ${GAME_DIR} RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 100)
# The player-1 line of the last dump.
string(FIND "${output}" "\nstate " last REVERSE)
set(p1 "")
set(p2 "")
if(last GREATER -1)
  string(SUBSTRING "${output}" ${last} -1 tail)
  string(REGEX MATCH "\np1 [^\n]*" p1 "${tail}")
  string(REGEX MATCH "\np2 [^\n]*" p2 "${tail}")
endif()
set(BOTH_TEXT "")
if(BOTH)
  set(BOTH_TEXT " and player 2")
else()
  set(p2 " levels=1 ")
endif()
if(NOT status EQUAL 0 OR NOT p1 MATCHES " levels=1 " OR NOT p2 MATCHES " levels=1 ")
  message(FATAL_ERROR "${LEVEL}: the finishing script ${SCRIPT} does not finish the level "
                      "(murk-sim exit ${status}; the last dump must show levels=1 for "
                      "player 1${BOTH_TEXT}).\nmurk-sim printed:\n${output}${errors}")
endif()
