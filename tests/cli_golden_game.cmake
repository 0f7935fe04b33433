# The golden whole game: the bot's game on Normal with a fixed seed, committed as its recording,
# the SHA-256 of its trace with the trace's length, and every 100th line of the trace. Replayed
# without drawing for the whole game, it must give that trace byte for byte, score points and
# defeat the Dark Knight; replayed drawn for its first fights, it must trace the same as undrawn
# (drawing holds no game logic). When the game changes, the test names the first sampled frame
# that differs.
set(rerecord "If the game's rules changed on purpose, re-record the golden runs with\n  tools/rerecord-golden.sh\nthen check what it says changed (and git diff tests/golden) and commit tests/golden/.")
file(READ "${GOLDEN}/game.digest" digest)
string(REGEX MATCH "^([0-9a-f]+) ([0-9]+)" _ "${digest}")
set(want_digest ${CMAKE_MATCH_1})
set(frames ${CMAKE_MATCH_2})
set(trace "${CMAKE_CURRENT_BINARY_DIR}/game.jsonl")
include(${CMAKE_CURRENT_LIST_DIR}/trace_lines.cmake)

function(replay out)
  execute_process(COMMAND ${EXE} --headless --replay ${GOLDEN}/game.rec --trace ${out} ${ARGN}
                  RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the replay failed with ${status}:\n${err}")
  endif()
endfunction()
# Every 100th line of a trace, as the golden sparse copy holds them.
function(sampled path out)
  file(STRINGS "${path}" lines REGEX "^{\"frame\":([0-9]*00|0),")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

replay("${trace}" --no-draw --frames ${frames})
file(SHA256 "${trace}" got_digest)
if(NOT got_digest STREQUAL want_digest)
  sampled("${trace}" now)
  sampled("${GOLDEN}/game.sparse.jsonl" golden)
  fail_where_traces_part("the golden game leaves its trace (every 100th frame compared)" now
                         golden 100 "${rerecord}")
  file(STRINGS "${trace}" lines REGEX "^{\"frame\":")
  list(LENGTH lines length)
  message(FATAL_ERROR "the golden game's trace differs from its digest between sampled frames or "
                      "in its length (${length} frames, golden ${frames}):\n${rerecord}")
endif()

# What makes it a game worth keeping: the knight falls and the score is not 0. The trace is the
# golden one to the byte, so its every 100th line is the sparse copy (the knight lies still for
# hundreds of frames).
file(STRINGS "${GOLDEN}/game.sparse.jsonl" knight_down REGEX "{\"type\":50,[^}]*\"hp\":0\\.0,"
     LIMIT_COUNT 1)
if(NOT knight_down)
  message(FATAL_ERROR "the Dark Knight never falls in the golden game\n${rerecord}")
endif()
sampled("${GOLDEN}/game.sparse.jsonl" golden)
list(GET golden -1 last)
if(NOT last MATCHES "\"score\":[1-9]")
  message(FATAL_ERROR "the golden game scores nothing:\n${last}")
endif()

# Drawn through the title, the skill list and the first blows of the first stage (the first
# points fall on frame 331).
set(drawn_frames 400)
set(drawn "${CMAKE_CURRENT_BINARY_DIR}/drawn.jsonl")
set(undrawn "${CMAKE_CURRENT_BINARY_DIR}/undrawn.jsonl")
replay("${drawn}" --frames ${drawn_frames})
replay("${undrawn}" --no-draw --frames ${drawn_frames})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${drawn}" "${undrawn}"
                RESULT_VARIABLE differ)
if(differ)
  file(STRINGS "${drawn}" drawn_lines)
  file(STRINGS "${undrawn}" undrawn_lines)
  fail_where_traces_part("the drawn replay leaves the undrawn one" drawn_lines undrawn_lines 1 "")
  list(LENGTH drawn_lines count)
  message(FATAL_ERROR "the drawn replay has ${count} frames, the undrawn one ${drawn_frames}")
endif()
