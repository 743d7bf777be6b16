# The fuzz targets (tools/fuzz.sh): one libFuzzer program for every reader of
# outside input, built with clang, AddressSanitizer and UBSan. Only the
# readers are compiled, with the fuzzer's coverage; a sanitizer report or a
# broken property ends the run as a crash.
set(LT_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(lt_readers STATIC
  src/menu/progress_line.cpp src/app/command_line.cpp src/exercises/library_keys.cpp src/host/send_keys.cpp src/platform/win_path.cpp
  src/platform/utf8.cpp src/platform/help_file.cpp src/platform/sim/rc_string_table.cpp standin/board_file.cpp src/pictures/host_view.cpp)
target_include_directories(lt_readers PUBLIC src ${CMAKE_SOURCE_DIR})
target_compile_options(lt_readers PUBLIC ${LT_FUZZ_SANITIZERS} PRIVATE -fsanitize=fuzzer-no-link)
target_link_options(lt_readers PUBLIC -fsanitize=fuzzer,address,undefined)

set(LT_FUZZ_TARGETS progress command_line send_keys help_file string_table board_file)
foreach(name IN LISTS LT_FUZZ_TARGETS)
  add_executable(${name}_fuzz tests/fuzz/${name}_fuzz.cpp)
  target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name}_fuzz PRIVATE lt_readers)
endforeach()
