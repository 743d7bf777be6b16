# The suite that runs the real program under Wine: in-process tests of the
# Win32 platform, and end-to-end tests that drive the installed program
# through the window system.
file(GLOB LT_WINE_TESTS CONFIGURE_DEPENDS tests/wine/*.cpp)
add_executable(wine_tests ${LT_WINE_TESTS})
target_link_libraries(wine_tests PRIVATE lt_win32 GTest::gtest GTest::gtest_main)
target_link_options(wine_tests PRIVATE ${LT_STATIC_RUNTIME})

add_test(NAME wine_tests
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run-under-wine.sh
          ${CMAKE_BINARY_DIR} $<TARGET_FILE:wine_tests> --gtest_brief=1)
set_tests_properties(wine_tests PROPERTIES TIMEOUT 1200)
