#pragma once

#include <QObject>
#include <functional>

/// Lets one test executable hold several test classes, one per file: each file registers its class with
/// ZEM_TEST(Class), and the shared main runs them all.
namespace TestMain {
int Register(const char* name, std::function<QObject*()> make);
} // namespace TestMain

#define ZEM_TEST(Class)                                                                                             \
    namespace {                                                                                                     \
    const int registered##Class = TestMain::Register(#Class, [] { return new Class; });                             \
    }
