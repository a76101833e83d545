# Tests of the window's pictures: the dimension sketch and the icons. They
# need a QGuiApplication from the test program's main and run with
# QT_QPA_PLATFORM=offscreen like the other window tests.
set(ART_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/art_test.cpp)
