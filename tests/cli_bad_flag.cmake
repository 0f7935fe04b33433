# Flags that cannot be misread: each bad command line exits with status 2, one line naming the
# flag, and the usage, and writes nothing.
set(dir "${CMAKE_CURRENT_BINARY_DIR}/cli_bad_flag")
file(REMOVE_RECURSE "${dir}")
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${dir}/script.txt" "1 key 88 down\n")

# Each row: the arguments (separated by |) and what the error line must say.
set(rows
  "--bogus=unknown flag '--bogus'"
  "--mode|9=bad value for --mode: '9'"
  "--frames=--frames needs a value"
  "--record|--no-draw=--record needs a value, not the flag '--no-draw'"
  "--input|--headless=--input needs a value, not the flag '--headless'"
  "--frames|3|--frames|4=--frames is given twice"
  "--record|a.rec|--record|b.rec=--record is given twice"
  "--input|=--input needs a path, not an empty one"
  "--record|=--record needs a path, not an empty one"
  "--replay|=--replay needs a path, not an empty one"
  "--screenshot|5:=bad value for --screenshot: '5:'"
  "--frames|10|--screenshot|10:a.png=the run ends before frame 10 (--frames 10)"
  "--no-draw|--screenshot|1:a.png=--screenshot cannot be used with --no-draw"
  "--input|script.txt|--record|./script.txt=--input and --record name the same file"
  "--record|x.png|--screenshot|1:x.png=--record and --screenshot name the same file"
  "--seed|3|--replay|r.rec=--seed cannot be used with --replay"
  "--input|script.txt|--replay|r.rec=--input cannot be used with --replay"
  "--record|a.rec|--replay|r.rec=--record cannot be used with --replay"
  "--autoplay|--replay|r.rec=--autoplay cannot be used with --replay"
  "--autoplay|--practice=--autoplay cannot be used with --practice"
  "--input|s.txt|--autoplay=--autoplay cannot be used with --input"
)
foreach(row IN LISTS rows)
  string(FIND "${row}" "=" at)
  string(SUBSTRING "${row}" 0 ${at} args)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${row}" ${at} -1 expected)
  # A row ending in | gives its last flag an empty value, which a list cannot carry.
  set(last)
  if(args MATCHES "\\|$")
    string(REGEX REPLACE "\\|$" "" args "${args}")
    set(last "")
  endif()
  string(REPLACE "|" ";" args "${args}")
  if(DEFINED last)
    execute_process(COMMAND ${EXE} --headless ${args} "" WORKING_DIRECTORY "${dir}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  else()
    execute_process(COMMAND ${EXE} --headless ${args} WORKING_DIRECTORY "${dir}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  endif()
  string(REGEX MATCH "^[^\n]*" line "${err}")
  string(FIND "${line}" "${expected}" found)
  if(NOT status EQUAL 2 OR found EQUAL -1 OR NOT err MATCHES "\nUsage: talvenne")
    message(FATAL_ERROR "'${row}': expected status 2, '${expected}' and the usage; got ${status}:\n${err}")
  endif()
endforeach()
file(GLOB left RELATIVE "${dir}" "${dir}/*")
if(NOT left STREQUAL "script.txt")
  message(FATAL_ERROR "bad command lines left files behind: ${left}")
endif()
execute_process(COMMAND ${EXE} --headless --frames 1 --no-draw --difficulty impossible
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "--difficulty")
  message(FATAL_ERROR "--difficulty impossible: expected status 2 and a line naming the flag, "
                      "got ${status}:\n${err}")
endif()
# A trace that cannot be created stops the run before its first frame.
execute_process(COMMAND ${EXE} --headless --frames 1 --no-draw --trace /nonexistent-folder/t.jsonl
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "trace")
  message(FATAL_ERROR "--trace to a missing folder: expected status 2 and a line naming the trace, "
                      "got ${status}:\n${err}")
endif()
