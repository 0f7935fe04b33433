# An unknown flag prints one error line and the usage, and exits with status 2.
execute_process(COMMAND ${EXE} --bogus RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "expected exit status 2, got ${status}")
endif()
if(NOT err MATCHES "--bogus" OR NOT err MATCHES "Usage:")
  message(FATAL_ERROR "expected the error and the usage, got:\n${err}")
endif()
execute_process(COMMAND ${EXE} --mode 9 RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "--mode 9: expected exit status 2, got ${status}")
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
