# Build settings and helper functions shared by every folder.

add_compile_options(-Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
if(GRV_WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # -static: the executables import system DLLs only, so they run where no mingw runtime is installed.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # The Wine harness: runs test programs (and anything ctest starts) in this tree's private prefix.
  set(GRV_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(GRV_WINEARCH win64)
  else()
    set(GRV_WINEARCH win32)
  endif()
  set(GRV_SCRIPTS ${PROJECT_SOURCE_DIR}/scripts)
  configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

option(GRV_SANITIZE "Build host code with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(GRV_HOST AND GRV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(-fsanitize-ignorelist=${PROJECT_SOURCE_DIR}/skin/data/LzhufTree.ignorelist)
  endif()
endif()

# GoogleTest from Debian's source package, built in each tree (it builds with mingw too).
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
include(GoogleTest)

# grv_test(NAME SOURCES... [LIBS libs...])
# A GoogleTest program. Host: every test case becomes a ctest test. Win32: the program is one ctest
# test run under Wine by the harness (tools that start Wine once per case would cost seconds each).
function(grv_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE GRV_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(GRV_WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    # Wine may end a crashed program with status 0: a run passes only when the program says so itself.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS win32
                         PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
                         FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS host TIMEOUT 120)
  endif()
endfunction()

# grv_fuzz(NAME SOURCE LIBS... [CORPUS dir])
# A fuzz target (LLVMFuzzerTestOneInput). With clang and GRV_LIBFUZZER it links libFuzzer;
# otherwise a replay driver runs it over the corpus files, as a ctest test.
option(GRV_LIBFUZZER "Link fuzz targets with libFuzzer (clang only)" OFF)
if(GRV_HOST AND GRV_LIBFUZZER)
  # Coverage feedback from the libraries under test, not only from the fuzz programs themselves.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
function(grv_fuzz name source)
  cmake_parse_arguments(F "" "CORPUS" "LIBS" ${ARGN})
  if(NOT GRV_HOST)
    return()
  endif()
  if(GRV_LIBFUZZER)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/ReplayDriver.cpp)
  endif()
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  if(F_CORPUS AND NOT GRV_LIBFUZZER)
    add_test(NAME ${name}.replay COMMAND ${name} ${F_CORPUS})
    set_tests_properties(${name}.replay PROPERTIES LABELS "host;fuzz" TIMEOUT 300)
  endif()
endfunction()

# grv_bench(NAME SOURCES... LIBS ...): a Google Benchmark program (host, built only in the bench tree).
function(grv_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT GRV_HOST OR GRV_SANITIZE)
    return()
  endif()
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    return()
  endif()
  add_executable(${name} ${B_SOURCES} ${B_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE GRV_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
