# The benchmark that runs under Wine (tools/bench.sh): its driver, the bare
# window program start-up is compared with, and the hook of the key floor.
add_executable(bare-window WIN32 tools/bench/bare_window.cpp)
target_link_options(bare-window PRIVATE ${LT_STATIC_RUNTIME} -municode)
add_executable(bare-window-cc WIN32 tools/bench/bare_window.cpp tools/bench/bare_window_cc.rc)
target_compile_definitions(bare-window-cc PRIVATE BARE_COMMON_CONTROLS)
target_link_libraries(bare-window-cc PRIVATE comctl32)
target_link_options(bare-window-cc PRIVATE ${LT_STATIC_RUNTIME} -municode)

add_library(bench-floor-hook SHARED tools/bench/floor_hook.cpp)
set_target_properties(bench-floor-hook PROPERTIES PREFIX "")
target_link_options(bench-floor-hook PRIVATE ${LT_STATIC_RUNTIME})

add_executable(perf-bench tools/bench/perf_bench.cpp tools/bench/start_up.cpp tools/bench/lesson_walk.cpp
  tools/bench/key_delivery.cpp tools/bench/machine_pace.cpp tools/bench/process_counts.cpp tools/bench/tutorial_session.cpp tests/wine/uia.cpp)
target_include_directories(perf-bench PRIVATE tests/wine)
target_link_libraries(perf-bench PRIVATE lt_win32 psapi ntdll)
target_link_options(perf-bench PRIVATE ${LT_STATIC_RUNTIME} -municode)
add_dependencies(perf-bench bare-window bare-window-cc bench-floor-hook learning-trazel learning-trazel-keys trzframe trazel)
