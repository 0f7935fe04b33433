# The heroine's four-strike chain in the practice yard, played by the committed script through the
# real program: the trace starts with her full (224 hit points, 240 mana) and shows strikes 1 to 4
# in order.
set(trace "${CMAKE_CURRENT_BINARY_DIR}/strike_chain.jsonl")
file(REMOVE "${trace}")
execute_process(COMMAND ${EXE} --headless --mode 4 --seed 7 --no-draw --frames 100 --practice
                        --input ${SCRIPTS}/strike_chain.txt --trace ${trace}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "run failed with ${status}:\n${err}")
endif()
file(STRINGS "${trace}" lines)
list(LENGTH lines count)
if(NOT count EQUAL 100)
  message(FATAL_ERROR "expected 100 trace lines, got ${count}")
endif()
list(GET lines 0 first)
# The list is in draw order (highest id first), so the heroine (id 0) comes last.
if(NOT first MATCHES "{\"type\":0,\"id\":0,[^}]*\"hp\":224\\.0,\"mp\":240\\.0")
  message(FATAL_ERROR "the heroine does not start full:\n${first}")
endif()
set(modes "")
set(last "")
foreach(line IN LISTS lines)
  string(REGEX MATCH "{\"type\":0,\"id\":0,\"mode\":([0-9]+)" found "${line}")
  if(NOT CMAKE_MATCH_1 STREQUAL last AND CMAKE_MATCH_1 GREATER_EQUAL 100)
    list(APPEND modes ${CMAKE_MATCH_1})
  endif()
  set(last "${CMAKE_MATCH_1}")
endforeach()
if(NOT modes STREQUAL "100;101;102;103")
  message(FATAL_ERROR "expected the strikes 100;101;102;103, got ${modes}")
endif()
