# A recording replays the same run wherever it is played: it carries the bindings, the screen
# mode, the difficulty and the seed its run started with, and a replay neither reads nor writes
# the binding files where it runs. Runs in the test's own folder, whose binding files the steps
# below change between runs.
set(dir "${CMAKE_CURRENT_BINARY_DIR}")

function(game what)
  execute_process(COMMAND ${EXE} --headless ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE err
                  OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed with ${status}:\n${err}")
  endif()
endfunction()
function(same_trace what a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/${a} ${dir}/${b}
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${what}: ${b} leaves the recorded run's trace ${a}")
  endif()
endfunction()
# Binding files as given: "default" (none: the game writes the built-in ones), or a saved pair.
function(bindings as)
  file(REMOVE ${dir}/ConfigKey.set ${dir}/ConfigPad.set)
  if(NOT as STREQUAL "default")
    file(COPY_FILE ${dir}/${as}.key ${dir}/ConfigKey.set)
    file(COPY_FILE ${dir}/${as}.pad ${dir}/ConfigPad.set)
  endif()
endfunction()
function(save_bindings as)
  file(COPY_FILE ${dir}/ConfigKey.set ${dir}/${as}.key)
  file(COPY_FILE ${dir}/ConfigPad.set ${dir}/${as}.pad)
endfunction()
# The replay left the binding files where it ran as they were (or absent).
function(untouched what as)
  foreach(part key pad)
    if(part STREQUAL "key")
      set(file ConfigKey.set)
    else()
      set(file ConfigPad.set)
    endif()
    if(as STREQUAL "none")
      if(EXISTS ${dir}/${file})
        message(FATAL_ERROR "${what} wrote ${file}")
      endif()
    else()
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/${file} ${dir}/${as}.${part}
                      RESULT_VARIABLE differ)
      if(differ)
        message(FATAL_ERROR "${what} changed ${file}")
      endif()
    endif()
  endforeach()
endfunction()

# A run that rebinds every key, recorded in a folder with no binding files, replays in the same
# folder, whose ConfigKey.set that run has just rebound: the rebinding replays in memory only.
bindings(default)
game("the rebinding run" --mode 4 --no-draw --seed 1 --frames 400
     --input ${SCRIPTS}/rebind_keys.txt --record ${dir}/rebind.rec --trace ${dir}/rebind.jsonl)
save_bindings(rebound)
game("the rebinding run's replay" --no-draw --frames 400 --replay ${dir}/rebind.rec
     --trace ${dir}/rebind_replay.jsonl)
same_trace("a rebinding run replayed where it rebound" rebind.jsonl rebind_replay.jsonl)
untouched("the rebinding run's replay" rebound)

# The bot's whole game, recorded under the built-in bindings, replays among rebound files; and
# one recorded among the rebound files replays with none there.
foreach(pair "default|rebound" "rebound|none")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 recorded)
  list(GET pair 1 replayed)
  bindings(${recorded})
  game("the bot's game under ${recorded} bindings" --mode 4 --no-draw --seed 11
       --difficulty normal --autoplay --record ${dir}/${recorded}.rec --trace ${dir}/${recorded}.jsonl)
  if(replayed STREQUAL "none")
    file(REMOVE ${dir}/ConfigKey.set ${dir}/ConfigPad.set)
  else()
    bindings(${replayed})
  endif()
  file(STRINGS ${dir}/${recorded}.jsonl lines REGEX "^{\"frame\":")
  list(LENGTH lines frames)
  # No --mode and no --difficulty: the recording's own.
  game("its replay" --no-draw --frames ${frames} --replay ${dir}/${recorded}.rec
       --trace ${dir}/${recorded}_replay.jsonl)
  same_trace("a game under ${recorded} bindings replayed with ${replayed}" ${recorded}.jsonl
             ${recorded}_replay.jsonl)
  untouched("the replay among ${replayed} bindings" ${replayed})
endforeach()

# A screen mode, a difficulty or the yard the recording did not play is refused.
foreach(contradiction
    "--mode|3=--mode 3 contradicts the recording"
    "--difficulty|hard=played with --difficulty normal"
    "--practice=which opened on the title")
  string(REPLACE "=" ";" contradiction "${contradiction}")
  list(GET contradiction 0 flags)
  list(GET contradiction 1 says)
  string(REPLACE "|" ";" flags "${flags}")
  execute_process(COMMAND ${EXE} --headless --no-draw --frames 1 --replay ${dir}/default.rec
                          ${flags}
                  RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 2 OR NOT err MATCHES "${says}")
    message(FATAL_ERROR "${flags} on a replay: status ${status}, expected 2 and '${says}':\n${err}")
  endif()
endforeach()
