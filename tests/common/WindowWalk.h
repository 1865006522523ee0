#pragma once

#include <QStringList>
#include <functional>

class MainWindow;
class QWidget;
class TestInstall;

/// Every window the program has, opened one after another as a clerk would: each item of the main window's menus,
/// and the windows opened from inside those by a button or a list's line. Shared by the suites that look at every
/// window (its keys, its texts in each language).
namespace WindowWalk {

/// A customer, an owner and a guest arriving today who still owes, so the windows that open from a list's line and
/// a payment have something to open on. False when a row could not be added.
bool seed(const TestInstall& install);

struct Walked
{
    QStringList seen;    // the object names of the windows visited, in order
    QStringList missing; // "frmX: nothing to press in cmdY": a way in that is gone
};

/// Calls visit on each window while it is shown (child windows in the main window's area, modal dialogs as they
/// open), then closes it.
Walked everyWindow(MainWindow& window, const std::function<void(QWidget*)>& visit);

} // namespace WindowWalk
