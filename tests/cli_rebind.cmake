# A full keyboard rebinding through the configuration screen, by the real program in the test's
# own folder: ConfigKey.set afterwards holds the new codes, and a second run plays on them.
set(dir "${CMAKE_CURRENT_BINARY_DIR}")

execute_process(COMMAND ${EXE} --headless --no-draw --seed 1 --frames 400
                        --input ${SCRIPTS}/rebind_keys.txt
                WORKING_DIRECTORY "${dir}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the rebinding run failed with ${status}:\n${err}")
endif()
# 14 little-endian integers: Attack F, Magic D, Jump S, Dash A, Pause Q, the spare five as the
# built-in file has them, Left J, Up I, Right L, Down K.
file(READ "${dir}/ConfigKey.set" bytes HEX)
set(expected "46000000440000005300000041000000510000000000000000000000000000002000000\
00d0000004a000000490000004c0000004b000000")
if(NOT bytes STREQUAL expected)
  message(FATAL_ERROR "ConfigKey.set holds\n  ${bytes}\nexpected\n  ${expected}")
endif()

set(trace "${dir}/play.jsonl")
execute_process(COMMAND ${EXE} --headless --no-draw --seed 1 --frames 420
                        --input ${SCRIPTS}/play_rebound.txt --trace ${trace}
                WORKING_DIRECTORY "${dir}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the run on the new keys failed with ${status}:\n${err}")
endif()
file(STRINGS "${trace}" lines)
list(GET lines -1 last)
if(NOT last MATCHES "\"manager\":1,\"stage\":1,")
  message(FATAL_ERROR "the new keys did not start the first stage:\n${last}")
endif()
string(REGEX MATCH "\"world_x\":([0-9.]+)" _ "${last}")
if(CMAKE_MATCH_1 LESS 100)
  message(FATAL_ERROR "L did not run her right (the view stands at ${CMAKE_MATCH_1}):\n${last}")
endif()
