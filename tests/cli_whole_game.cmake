# A whole game played by the bot through the real program, on Normal with a fixed seed: it goes
# from the title through both stages (the Dark Knight beaten) and the map back to the title, and
# its recording, replayed without the bot, gives the same trace byte for byte.
set(dir "${CMAKE_CURRENT_BINARY_DIR}/whole_game")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")

execute_process(COMMAND ${EXE} --headless --mode 4 --seed 5 --autoplay --no-draw
                        --trace ${dir}/game.jsonl --record ${dir}/game.rec
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the game failed with ${status}:\n${out}${err}")
endif()
if(NOT out MATCHES "autoplay: finished after ([0-9]+) frames")
  message(FATAL_ERROR "the bot did not finish the game:\n${out}${err}")
endif()
set(frames ${CMAKE_MATCH_1})

# Every segment in turn, the knight's hit points at 0, and the title at the end.
foreach(check
    "\"manager\":1,\"stage\":1,"
    "\"manager\":1,\"stage\":2,"
    "{\"type\":50,[^}]*\"hp\":0\\.0,"
    "\"manager\":1,\"stage\":3,")
  file(STRINGS "${dir}/game.jsonl" found REGEX "${check}" LIMIT_COUNT 1)
  if(NOT found)
    message(FATAL_ERROR "no frame of the game's trace matches ${check}")
  endif()
endforeach()
file(STRINGS "${dir}/game.jsonl" titles REGEX "\"manager\":0,")
list(GET titles -1 last_title)
if(NOT last_title MATCHES "\"frame\":([0-9]+),")
  message(FATAL_ERROR "the game never came back to the title")
endif()
math(EXPR last_frame "${frames} - 1")
if(NOT CMAKE_MATCH_1 EQUAL last_frame)
  message(FATAL_ERROR "the run did not end on the title: its last title frame is ${CMAKE_MATCH_1} of ${frames}")
endif()

execute_process(COMMAND ${EXE} --headless --mode 4 --replay ${dir}/game.rec --no-draw
                        --frames ${frames} --trace ${dir}/replay.jsonl
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the replay failed with ${status}:\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/game.jsonl ${dir}/replay.jsonl
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the replay of the bot's recording leaves the game's trace "
                      "(${dir}/game.jsonl vs replay.jsonl)")
endif()
