# The golden replay: the committed recording, played back by the real program, must give the
# committed trace byte for byte; and a run that draws its frames must trace the same as one that
# does not (drawing holds no game logic). When a deliberate change of the game's rules changes the
# trace, re-record the golden files and commit them.
set(golden "${GOLDEN}/stage1.jsonl")
set(rerecord "If the game's rules changed on purpose, re-record the golden run with\n  tools/rerecord-golden.sh\nthen check the change (git diff tests/golden) and commit tests/golden/.")
file(STRINGS "${golden}" expected)
list(LENGTH expected frames)

function(replay out)
  file(REMOVE "${out}")
  execute_process(COMMAND ${EXE} --headless --mode 4 --replay ${GOLDEN}/stage1.rec --trace ${out}
                          ${ARGN}
                  RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "replay failed with ${status}:\n${err}")
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/trace_lines.cmake)
# Names the first line where `lines` leaves the golden trace.
function(compare what lines)
  fail_where_traces_part("${what} leaves the golden trace" lines expected 1 "${rerecord}")
endfunction()

set(trace "${CMAKE_CURRENT_BINARY_DIR}/golden_replay.jsonl")
replay("${trace}" --no-draw --frames ${frames})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${trace}" "${golden}"
                RESULT_VARIABLE differ)
if(differ)
  file(STRINGS "${trace}" lines)
  compare("the replay" "${lines}")
  message(FATAL_ERROR "the replay differs from the golden trace in its length or line ends\n${rerecord}")
endif()

# Drawn: through the title and the skill list into the first stage.
set(drawn "${CMAKE_CURRENT_BINARY_DIR}/golden_replay_drawn.jsonl")
replay("${drawn}" --frames 200)
file(STRINGS "${drawn}" lines)
list(LENGTH lines count)
if(NOT count EQUAL 200)
  message(FATAL_ERROR "expected 200 drawn frames, got ${count}")
endif()
compare("the drawn replay" "${lines}")
