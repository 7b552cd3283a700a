# Native build: the core's unit tests, the benchmarks, the console front end
# and the target simulator.
option(VARNOLUX_BENCHMARKS "Build the benchmarks in bench/" ON)
option(VARNOLUX_FUZZ "Build the libFuzzer harnesses in fuzz/ (clang)" OFF)
find_package(GTest REQUIRED)
if(VARNOLUX_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
enable_testing()
include(GoogleTest)

# The simulator's firmware model, portable so that tests can run it against
# the host's link in memory; tests/sim link it.
file(GLOB sim_core CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/sim/core/*.cpp)
if(sim_core)
  add_library(varnolux_sim STATIC ${sim_core})
  target_link_libraries(varnolux_sim PUBLIC varnolux_link)
endif()

# The console front end's parts but its entry, a library so tests/cli reach them.
include(${PROJECT_SOURCE_DIR}/cmake/cli.cmake)
varnolux_cli_library(posix)

foreach(program cli sim)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${program}/*.cpp)
  if(program STREQUAL "cli" AND TARGET varnolux_cli)
    list(FILTER sources INCLUDE REGEX "/main\\.cpp$")
  endif()
  if(sources)
    add_executable(varnolux-${program} ${sources})
    target_link_libraries(varnolux-${program} PRIVATE varnolux_app)
    if(program STREQUAL "cli" AND TARGET varnolux_cli)
      target_link_libraries(varnolux-cli PRIVATE varnolux_cli)
    endif()
    if(program STREQUAL "sim" AND TARGET varnolux_sim)
      target_link_libraries(varnolux-sim PRIVATE varnolux_sim)
    endif()
  endif()
endforeach()

# One test program per subsystem folder under tests/, so one subsystem's
# tests build and run on their own.
file(GLOB test_dirs LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/tests/*)
foreach(dir IN LISTS test_dirs)
  get_filename_component(sub ${dir} NAME)
  if(IS_DIRECTORY ${dir} AND NOT sub STREQUAL "e2e" AND NOT sub STREQUAL "fixtures")
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(sources)
      # A subsystem's tests link only that subsystem and what it depends on,
      # so work in progress elsewhere does not hold them up.
      set(lib varnolux_app)
      if(TARGET varnolux_${sub})
        set(lib varnolux_${sub})
      endif()
      add_executable(test_${sub} ${sources})
      target_link_libraries(test_${sub} PRIVATE ${lib} GTest::gtest GTest::gmock GTest::gtest_main)
      # The simulator's tests play the program's own side too.
      if(sub STREQUAL "sim")
        target_link_libraries(test_sim PRIVATE varnolux_app)
      endif()
      # Helpers several test programs share live in tests/support.
      target_include_directories(test_${sub} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
      target_compile_definitions(test_${sub} PRIVATE
        VARNOLUX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
      gtest_discover_tests(test_${sub} DISCOVERY_TIMEOUT 60
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    endif()
  endif()
endforeach()

# No folder includes one above it: the check passes on the tree and catches a planted include.
add_test(NAME include_layers
  COMMAND ${PROJECT_SOURCE_DIR}/tests/layers/check_layers_test.sh ${PROJECT_SOURCE_DIR})

if(EXISTS ${PROJECT_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()

if(VARNOLUX_BENCHMARKS)
  file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
  foreach(source IN LISTS bench_sources)
    get_filename_component(stem ${source} NAME_WE)
    add_executable(bench_${stem} ${source})
    target_link_libraries(bench_${stem} PRIVATE varnolux_app varnolux_script benchmark::benchmark)
    target_compile_definitions(bench_${stem} PRIVATE VARNOLUX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    # The seams in memory and the record builders of tests/support serve here too.
    target_include_directories(bench_${stem} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    # The recording benchmark plays the simulated firmware and prints as the console does.
    if(stem STREQUAL "recording")
      target_link_libraries(bench_${stem} PRIVATE varnolux_cli varnolux_sim)
    endif()
    if(stem STREQUAL "dap_variables")
      target_link_libraries(bench_${stem} PRIVATE varnolux_dap)
    endif()
  endforeach()
endif()

# One libFuzzer program per fuzz/*_fuzzer.cpp; the asan preset builds them with
# coverage and the sanitizers on every library.
if(VARNOLUX_FUZZ)
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
  foreach(source IN LISTS fuzz_sources)
    get_filename_component(stem ${source} NAME_WE)
    add_executable(${stem} ${source})
    target_link_libraries(${stem} PRIVATE varnolux_app varnolux_dap)
    # Seams in memory and record builders from tests/support.
    target_include_directories(${stem} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    # The harness's own checks are no coverage to steer by, and their loops
    # over whole images would cost more than the code under test.
    target_compile_options(${stem} PRIVATE -fno-sanitize=fuzzer-no-link)
    target_link_options(${stem} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()
