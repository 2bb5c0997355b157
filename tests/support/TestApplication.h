#pragma once

#include <QApplication>

// The one QApplication of a widget test program (tests/support/TestApplication.cpp, which every widget
// test executable builds in): made before the first test with the locale pinned to US English, and
// destroyed after the last, so that everything it holds is released before the program ends.
inline QApplication& testApplication() { return *qApp; }
