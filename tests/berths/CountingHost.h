#pragma once

#include "core/ui/ChildWindow.h"

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
