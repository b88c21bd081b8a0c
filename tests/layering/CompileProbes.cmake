# Builds each probe target of the layering test and checks the outcome it expects: "compiles", or
# "fails" because the header it includes is not on its layer's include path.
# The compiler tells of a missing header in English whatever language the user reads.
set(ENV{LC_ALL} C)
foreach(probe IN LISTS PROBES)
  string(REPLACE "|" ";" fields "${probe}")
  list(GET fields 0 target)
  list(GET fields 1 header)
  list(GET fields 2 expectation)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(expectation STREQUAL "compiles" AND NOT result EQUAL 0)
    message(FATAL_ERROR "${target}: including ${header} should compile:\n${output}")
  endif()
  if(expectation STREQUAL "fails")
    # gcc says "HEADER: No such file or directory", clang "'HEADER' file not found".
    string(FIND "${output}" "${header}: No such file or directory" gcc_missing)
    string(FIND "${output}" "'${header}' file not found" clang_missing)
    if(result EQUAL 0 OR (gcc_missing EQUAL -1 AND clang_missing EQUAL -1))
      message(FATAL_ERROR "${target}: including ${header} should fail for want of the header:\n${output}")
    endif()
  endif()
  message(STATUS "${target}: ${expectation} as it should")
endforeach()
