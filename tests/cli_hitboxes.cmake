# The hit-box overlay only draws. The golden replay, drawn, traces the same byte for byte with
# --hitboxes as without, while its picture of a fight differs; and in the practice yard F3 turns
# the overlay on or off exactly as the flag does, whatever how long the key is held.
set(out "${CMAKE_CURRENT_BINARY_DIR}/hitboxes")
file(REMOVE_RECURSE "${out}")
file(MAKE_DIRECTORY "${out}")

function(run)
  execute_process(COMMAND ${EXE} --headless --mode 4 ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "talvenne ${ARGN}\nfailed with ${status}:\n${err}")
  endif()
endfunction()

function(expect_same a b why)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${a}" "${b}" RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${a} and ${b} differ: ${why}")
  endif()
endfunction()

function(expect_different a b why)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${a}" "${b}" RESULT_VARIABLE differ)
  if(NOT differ)
    message(FATAL_ERROR "${a} and ${b} are the same: ${why}")
  endif()
endfunction()

# Frame 430 of the golden replay: the heroine's blows are out, with the saberman in view.
set(frames 431)
set(shot 430)
foreach(variant plain overlay)
  set(extra)
  if(variant STREQUAL "overlay")
    set(extra --hitboxes)
  endif()
  run(--replay ${GOLDEN}/stage1.rec --frames ${frames} --trace "${out}/replay_${variant}.jsonl"
      --screenshot "${shot}:${out}/replay_${variant}.png" ${extra})
endforeach()
expect_same("${out}/replay_plain.jsonl" "${out}/replay_overlay.jsonl"
            "drawing the overlay changed the game")
expect_different("${out}/replay_plain.png" "${out}/replay_overlay.png"
                 "the overlay drew nothing over the fight")
file(READ "${out}/replay_overlay.png" header LIMIT 24 HEX)
# The PNG signature, then the IHDR chunk's width and height (big-endian): 1366 x 768.
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000055600000300")
  message(FATAL_ERROR "expected a 1366 x 768 PNG, the header is ${header}")
endif()

# F3 held for half a second flips the overlay once; the key changes nothing in the game.
file(WRITE "${out}/f3.txt" "10 key 114 down\n40 key 114 up\n")
set(yard --practice --seed 7 --frames 61)
run(${yard} --trace "${out}/yard_plain.jsonl" --screenshot "60:${out}/yard_plain.png")
run(${yard} --hitboxes --screenshot "60:${out}/yard_flag.png")
run(${yard} --input "${out}/f3.txt" --trace "${out}/yard_f3.jsonl"
    --screenshot "60:${out}/yard_f3.png")
run(${yard} --input "${out}/f3.txt" --hitboxes --screenshot "60:${out}/yard_flag_f3.png")
expect_different("${out}/yard_plain.png" "${out}/yard_flag.png" "no outlines in the yard")
expect_same("${out}/yard_flag.png" "${out}/yard_f3.png" "F3 did not turn the overlay on")
expect_same("${out}/yard_plain.png" "${out}/yard_flag_f3.png" "F3 did not turn the overlay off")
expect_same("${out}/yard_plain.jsonl" "${out}/yard_f3.jsonl" "F3 changed the game")
