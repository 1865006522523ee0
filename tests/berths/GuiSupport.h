#pragma once

#include "core/ui/ChildWindow.h"

#include <QPushButton>
#include <QTest>

/// A main window stand-in that counts the requests to refresh its active child window.
class CountingHost final : public IWindowHost
{
public:
    void ShowChild(ChildWindow* window) override { delete window; }
    ChildWindow* FindChild(const QString&) override { return nullptr; }
    void RefreshActiveChild() override { ++refreshes; }
    QWidget* DialogParent() override { return nullptr; }
    int refreshes = 0;
};

/// A control of a window by its name; the test run stops when it is missing.
template <typename T> T* Control(const QWidget& window, const char* name)
{
    auto* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

inline void Click(const QWidget& window, const char* name)
{
    QTest::mouseClick(Control<QPushButton>(window, name), Qt::LeftButton);
}

/// Shows a window and waits until it has the focus, so leaving a box is a real focus change.
inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
