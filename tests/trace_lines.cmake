# For the scripts that compare traces: fails naming the frame of the first line where the list
# named by the second argument leaves the list named by the third (their lines `step` frames
# apart, from frame 0), with `what` in front and `hint` after; returns when one list ends before
# they part. The parameters' names are odd so that they hide no caller's list of the same name.
function(fail_where_traces_part what _lines_name _expected_name step hint)
  list(LENGTH ${_lines_name} count)
  list(LENGTH ${_expected_name} count_expected)
  if(count_expected LESS count)
    set(count ${count_expected})
  endif()
  foreach(i RANGE 0 ${count})
    if(i EQUAL count)
      break()
    endif()
    list(GET ${_lines_name} ${i} got)
    list(GET ${_expected_name} ${i} want)
    if(NOT got STREQUAL want)
      math(EXPR frame "${i} * ${step}")
      message(FATAL_ERROR "${what} at frame ${frame}:\n  golden: ${want}\n  now:    ${got}\n${hint}")
    endif()
  endforeach()
endfunction()
