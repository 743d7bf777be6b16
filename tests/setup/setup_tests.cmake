# The setup program under Wine (tests/setup/run-setup-test.sh, a step of
# tools/test.sh after tools/package.sh): installed into a fresh prefix beside
# the stand-in Trazel, started from its shortcut and uninstalled.
add_executable(setup_tests tests/setup/setup_test.cpp tests/wine/installed.cpp tests/wine/uia.cpp)
target_include_directories(setup_tests PRIVATE tests/wine ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(setup_tests PRIVATE GTest::gtest GTest::gtest_main user32 gdi32 advapi32 shell32 ole32 uuid version)
target_link_options(setup_tests PRIVATE ${LT_STATIC_RUNTIME})
