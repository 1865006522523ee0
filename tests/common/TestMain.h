#pragma once

#include <QObject>
#include <functional>

/// Lets one test executable hold several test classes, one per file: each file registers its class with
/// ZEM_TEST(Class), and the shared main runs them all: CoreTestMain.cpp without a screen (core_tests),
/// GuiTestMain.cpp with a QApplication on the offscreen platform (the window suites).
namespace TestMain {
int Register(const char* name, std::function<QObject*()> make);
/// Runs the registered classes (after main has made the application object); 0 when every case passed.
int RunAll();
} // namespace TestMain

#define ZEM_TEST(Class)                                                                                                \
    namespace {                                                                                                        \
    const int registered##Class = TestMain::Register(#Class, [] { return new Class; });                                \
    }
