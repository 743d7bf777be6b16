# The Windows build: the product, its installed layout, and the suite that
# runs under Wine.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(LT_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

file(GLOB LT_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)

# The keyboard hook that tells the key sender when Trazel has handled its keys.
add_library(learning-trazel-keys SHARED src/platform/win32/keyhook/keys_done_hook.cpp)
set_target_properties(learning-trazel-keys PROPERTIES PREFIX "")
target_include_directories(learning-trazel-keys PRIVATE src)
target_link_options(learning-trazel-keys PRIVATE ${LT_STATIC_RUNTIME})
list(REMOVE_ITEM LT_WIN32_SOURCES ${CMAKE_SOURCE_DIR}/src/platform/win32/winmain.cpp)
add_library(lt_win32 STATIC ${LT_WIN32_SOURCES})
target_link_libraries(lt_win32 PUBLIC lt_core user32 gdi32 comctl32 advapi32 shell32 uxtheme imm32)

add_executable(learning-trazel WIN32 src/platform/win32/winmain.cpp res/app.rc)
target_link_libraries(learning-trazel PRIVATE lt_win32)
# The version resource takes the project's version from a generated header.
configure_file(res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
target_include_directories(learning-trazel PRIVATE ${CMAKE_BINARY_DIR}/generated)
add_dependencies(learning-trazel learning-trazel-keys learning-trazel-start)
target_link_options(learning-trazel PRIVATE ${LT_STATIC_RUNTIME} -municode)
file(GLOB LT_LESSON_STRINGS CONFIGURE_DEPENDS res/lessons/*.rc res/exercises/*.rc)
set_source_files_properties(res/app.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/version.h;${CMAKE_SOURCE_DIR}/res/strings.rc;${LT_LESSON_STRINGS};${CMAKE_SOURCE_DIR}/res/learning-trazel.manifest;${CMAKE_SOURCE_DIR}/res/learning-trazel.ico")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# What the Start-menu shortcut starts: the tutorial with the learner's own
# working directory. Built with the tutorial, like the key hook, since both
# belong to its installed tree.
add_executable(learning-trazel-start WIN32 src/platform/win32/starter/learner_start.cpp res/learner_start.rc)
target_link_libraries(learning-trazel-start PRIVATE shell32 ole32)
target_link_options(learning-trazel-start PRIVATE ${LT_STATIC_RUNTIME} -municode)

# The installed layout: the host's directory is the prefix; the tutorial
# lives in its TUTOR folder with its help file and board sources.
set(LT_TUTOR_DIR TUTOR)
install(TARGETS learning-trazel learning-trazel-keys learning-trazel-start RUNTIME DESTINATION ${LT_TUTOR_DIR} COMPONENT tutorial)
install(FILES res/help/TRZTUTOR.HLP DESTINATION ${LT_TUTOR_DIR} COMPONENT tutorial)
file(GLOB LT_BOARD_SOURCES CONFIGURE_DEPENDS res/boards/SRCTRZ*)
install(FILES ${LT_BOARD_SOURCES} DESTINATION ${LT_TUTOR_DIR} COMPONENT tutorial)

include(tests/wine/wine_tests.cmake)
include(tests/setup/setup_tests.cmake)
include(cmake/packaging.cmake)

# Plays a lesson and saves a picture of every screen (tools/tour.sh).
add_executable(lesson-tour tools/tour/tour.cpp tests/wine/uia.cpp)
target_include_directories(lesson-tour PRIVATE tests/wine)
target_link_libraries(lesson-tour PRIVATE user32 gdi32)
target_link_options(lesson-tour PRIVATE ${LT_STATIC_RUNTIME} -municode)

# Ends saves of the progress file in the middle (tools/kill-save.sh).
add_executable(kill-save tools/kill-save/kill_save.cpp)
target_link_libraries(kill-save PRIVATE lt_win32)
target_link_options(kill-save PRIVATE ${LT_STATIC_RUNTIME} -municode)

# Speed and memory measured under Wine (tools/bench.sh).
include(tools/bench/bench.cmake)

# A stand-in Trazel for the demo and the tests, installed as its own
# component into the host's directory.
add_subdirectory(standin)
