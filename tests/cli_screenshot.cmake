# A headless run in mode 3 writes a 1280 x 720 picture of frame 59: the splash, with the colours
# the committed samples list at two grids of points (tools/rerecord-golden.sh writes them anew).
set(png "${CMAKE_CURRENT_BINARY_DIR}/cli_screenshot.png")
file(REMOVE "${png}")
execute_process(COMMAND ${EXE} --headless --mode 3 --frames 60 --seed 7 --screenshot "59:${png}"
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "headless run failed with ${status}:\n${err}")
endif()
if(NOT EXISTS "${png}")
  message(FATAL_ERROR "no screenshot written")
endif()
file(READ "${png}" header LIMIT 24 HEX)
# PNG signature, then the IHDR chunk's width and height (big-endian).
string(SUBSTRING "${header}" 32 16 size)
if(NOT size STREQUAL "00000500000002d0")
  message(FATAL_ERROR "expected 1280 x 720, IHDR says ${size}")
endif()
execute_process(COMMAND ${CHECK} matches "${png}" "${GOLDEN}/splash_mode3.samples"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "frame 59 is not the committed splash (tests/golden/splash_mode3.samples):\n"
                      "${out}${err}")
endif()
