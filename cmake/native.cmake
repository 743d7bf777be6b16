# The native build: the core on the simulated platform, with its tests.
file(GLOB LT_SIM_SOURCES CONFIGURE_DEPENDS src/platform/sim/*.cpp)
add_library(lt_sim STATIC ${LT_SIM_SOURCES})
target_link_libraries(lt_sim PUBLIC lt_core)

file(GLOB LT_NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
# The stand-in Trazel's file reader and view keys are portable; their tests
# run natively too.
add_executable(native_tests ${LT_NATIVE_TESTS} standin/board_file.cpp standin/view_keys.cpp)
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(native_tests PRIVATE lt_sim GTest::gtest GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE LT_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME native_tests COMMAND native_tests --gtest_brief=1)
# The source folders use only the layers below them.
add_test(NAME layers COMMAND ${CMAKE_SOURCE_DIR}/tools/check-layers.sh)

# Benchmarks, run by hand: build/native/lesson_bench
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(lesson_bench bench/lesson_bench.cpp)
  target_link_libraries(lesson_bench PRIVATE lt_sim benchmark::benchmark)
  target_compile_definitions(lesson_bench PRIVATE LT_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
