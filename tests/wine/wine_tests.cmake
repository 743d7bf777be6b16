# The suite that runs the real program under Wine: in-process tests of the
# Win32 platform, and end-to-end tests that drive the installed program
# through the window system. It runs on three desktops: a bare Xvfb with
# unmanaged windows, openbox managing the windows as on a learner's desktop,
# and that desktop at 150 % (144 DPI).
file(GLOB LT_WINE_TESTS CONFIGURE_DEPENDS tests/wine/*.cpp)
# Some tests run the tutorial in their own process on the real window system,
# with the simulated desktop and file system around it and the tutorial's own
# string table.
file(GLOB LT_SIM_SOURCES CONFIGURE_DEPENDS src/platform/sim/*.cpp)
add_executable(wine_tests ${LT_WINE_TESTS} ${LT_SIM_SOURCES} tests/wine/strings.rc)
set_source_files_properties(tests/wine/strings.rc PROPERTIES OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/strings.rc;${LT_LESSON_STRINGS}")
# oleacc reads controls as a screen reader does.
target_link_libraries(wine_tests PRIVATE lt_win32 oleacc ole32 oleaut32 GTest::gtest GTest::gtest_main)
target_link_options(wine_tests PRIVATE ${LT_STATIC_RUNTIME})

foreach(desktop "none;96" "openbox;96" "openbox;144")
  list(GET desktop 0 wm)
  list(GET desktop 1 dpi)
  set(name wine_tests)
  if(NOT wm STREQUAL "none")
    string(APPEND name "_${wm}")
  endif()
  if(NOT dpi STREQUAL "96")
    string(APPEND name "_${dpi}dpi")
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env LT_WINE_WM=${wm} LT_WINE_DPI=${dpi}
            ${CMAKE_SOURCE_DIR}/tests/wine/run-under-wine.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:wine_tests> --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 1200)
endforeach()
