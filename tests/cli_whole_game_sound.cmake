# The sound of a whole game as the player hears it: the bot's game on Hard for a fixed seed,
# written with --audio-out and no drawing, holds exactly one game frame of sound per frame played,
# never clips, stays under -1 dBFS and sits at -18 +/- 2 LUFS integrated.
set(dir "${CMAKE_CURRENT_BINARY_DIR}/whole_game_sound")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")

execute_process(COMMAND ${EXE} --headless --mode 4 --seed 3 --difficulty hard --autoplay --no-draw
                        --audio-out ${dir}/game.wav
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the game failed with ${status}:\n${out}${err}")
endif()
if(NOT out MATCHES "autoplay: (finished|game over) after ([0-9]+) frames")
  message(FATAL_ERROR "the bot did not end its game:\n${out}${err}")
endif()
set(frames ${CMAKE_MATCH_2})

execute_process(COMMAND ${CHECK} ${dir}/game.wav --game-frames ${frames} --check
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "${out}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the game's sound fails its check:\n${out}${err}")
endif()
