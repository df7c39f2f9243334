# Runs the replay tool on one script and checks what it did:
#   TOOL       the built tool
#   SCRIPT     the script, fed to standard input
#   EXPECTED   file that standard output must equal byte for byte
#   EXIT_CODE  the exit code the tool must return
#   BAD_LINES  comma-separated line numbers that standard error must report,
#              one message each and nothing else (empty: no message at all)
foreach(var TOOL SCRIPT EXPECTED EXIT_CODE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_replay.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND ${TOOL}
                INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)

set(failed FALSE)
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME_WE)
  set(actual ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)
  file(WRITE ${actual} "${out}")
  message(SEND_ERROR "standard output differs from ${EXPECTED}; it is in ${actual}")
  set(failed TRUE)
endif()

if(NOT rc STREQUAL EXIT_CODE)
  message(SEND_ERROR "exit code ${rc}, expected ${EXIT_CODE}")
  set(failed TRUE)
endif()

set(wanted "")
if(DEFINED BAD_LINES AND NOT BAD_LINES STREQUAL "")
  string(REPLACE "," ";" numbers "${BAD_LINES}")
  foreach(n IN LISTS numbers)
    string(APPEND wanted "calc-replay: line ${n}: ")
  endforeach()
endif()
# Reduce every message to its prefix and compare the sequence.
string(REGEX REPLACE "(calc-replay: line [0-9]+: )[^\n]*\n" "\\1" got "${err}")
if(NOT got STREQUAL wanted)
  message(SEND_ERROR "standard error:\n${err}\nexpected one message for each of lines: ${BAD_LINES}")
  set(failed TRUE)
endif()

if(failed)
  message(FATAL_ERROR "replay of ${SCRIPT} failed")
endif()
