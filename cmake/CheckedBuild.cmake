# Checked builds, each in a build folder of its own (./run chooses clang for them):
#   NOX_SANITIZE=address  AddressSanitizer and UndefinedBehaviorSanitizer on every program, all on the
#                         one shared ASan runtime (the Python module needs it preloaded, and the
#                         programs it starts use the same), with the coverage feedback libFuzzer needs,
#                         so that the same objects serve the test suite and the fuzz targets;
#   NOX_SANITIZE=thread   ThreadSanitizer, for the tests that run threads;
#   NOX_COVERAGE=ON       source-based line coverage (llvm-profdata and llvm-cov read it).
set(NOX_SANITIZE "" CACHE STRING "address (ASan + UBSan, fuzz targets) or thread (TSan)")
option(NOX_COVERAGE "Instrument for source-based line coverage" OFF)

if((NOX_SANITIZE OR NOX_COVERAGE) AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "NOX_SANITIZE and NOX_COVERAGE need clang (CXX=clang++-14)")
endif()

function(nox_clang_runtime variable file)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${file} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${file} is missing (Debian package libclang-rt-14-dev)")
  endif()
  set(${variable} ${path} PARENT_SCOPE)
endfunction()

if(NOX_SANITIZE STREQUAL "address")
  nox_clang_runtime(NOX_ASAN_RUNTIME libclang_rt.asan-x86_64.so)
  # libFuzzer's runtime is linked as a library: the driver's -fsanitize=fuzzer would put the C++
  # library ahead of the shared ASan runtime, which must come first.
  nox_clang_runtime(NOX_FUZZER_RUNTIME libclang_rt.fuzzer-x86_64.a)
  get_filename_component(runtime_dir ${NOX_ASAN_RUNTIME} DIRECTORY)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
                      -fsanitize=fuzzer-no-link)
  add_link_options(-fsanitize=address,undefined -shared-libasan -Wl,-rpath,${runtime_dir})
elseif(NOX_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT NOX_SANITIZE STREQUAL "")
  message(FATAL_ERROR "NOX_SANITIZE is address or thread, not ${NOX_SANITIZE}")
endif()

if(NOX_COVERAGE)
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
endif()
