# The suite that runs the real program under Wine: in-process tests of the
# Win32 platform, and end-to-end tests that drive the installed program
# through the window system. It runs on three desktops: a bare Xvfb with
# unmanaged windows, openbox managing the windows as on a learner's desktop,
# and that desktop at 150 % (144 DPI).
file(GLOB LT_WINE_TESTS CONFIGURE_DEPENDS tests/wine/*.cpp)
add_executable(wine_tests ${LT_WINE_TESTS})
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
