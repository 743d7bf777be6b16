# The packages a learner installs from (tools/package.sh): a setup program
# made with NSIS, and a zip of the same tree to unpack into Trazel's folder.
# Both hold the tutorial component only; the stand-in Trazel stays out.
set(CPACK_PACKAGE_NAME LearningTrazel)
set(CPACK_PACKAGE_VENDOR Quarn)
set(CPACK_PACKAGE_FILE_NAME LearningTrazel-${PROJECT_VERSION})
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};tutorial;/")
set(CPACK_STRIP_FILES ON)
# cpack installs what tools/package.sh has built, without building the rest
# of the tree (the test programs) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# The zip's top level is the TUTOR folder, as in Trazel's folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The setup program's script is ours (cmake/packaging/NSIS.template.in), and
# the setup program's name says what it is.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/cmake/packaging)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/packaging/per_generator.cmake)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/res/learning-trazel.ico)
include(CPack)
