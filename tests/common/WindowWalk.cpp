#include "common/WindowWalk.h"

#include "common/TestSupport.h"
#include "shell/MainWindow.h"

#include <QMenu>
#include <QMenuBar>

namespace WindowWalk {

bool seed(const TestInstall& install)
{
    const QString today = install.clock.current.date().toString(Qt::ISODate);
    return install.exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Hale')"_s) &&
           install.exec(u"INSERT INTO Owner (ID, Name) VALUES (1, 'Bob Hall')"_s) &&
           install.exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s) &&
           install.exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CostOfHire, OtherCharges, VAT, "
                        u"TotalPayable, AmountPayed) VALUES (1, 1, '%1 14:00:00', '%1 23:00:00', 500000, 0, 0, "
                        u"500000, 0)"_s.arg(today)) &&
           install.exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1)"_s);
}

Walked everyWindow(MainWindow& main, const std::function<void(QWidget*)>& visit)
{
    // What opens a window from inside another, by the window it lies in: a button, or a list's line opened with
    // Enter. Each window so opened is walked in turn and cancelled.
    const QMultiHash<QString, QString> waysIn{
        {u"frmViewCustomers"_s, u"cmdAddCustomer"_s},   {u"frmViewCustomers"_s, u"cmdEditCustomer"_s},
        {u"frmViewOwners"_s, u"cmdAddOwner"_s},         {u"frmViewOwners"_s, u"cmdEditOwner"_s},
        {u"frmAddCustomer"_s, u"cmdAddBoat"_s},         {u"frmToday"_s, u"lstArrivals"_s},
        {u"frmBookingSummary"_s, u"cmdRecordPayment"_s}};
    Walked walked;
    QTimer modals;
    QList<QDialog*> walking;
    std::function<void(QWidget*)> walk = [&](QWidget* window) {
        walked.seen << window->objectName();
        visit(window);
        for (const QString& name : waysIn.values(window->objectName())) {
            auto* control = window->findChild<QWidget*>(name);
            if (!control) {
                walked.missing << window->objectName() + u": nothing to press in "_s + name;
                continue;
            }
            if (!control->isEnabled())
                continue; // a new customer has no boats yet: the saved one opens the boat dialog
            modals.start();
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                button->click();
            } else {
                control->setFocus();
                QTest::keyClick(control, Qt::Key_Return);
            }
            QCoreApplication::processEvents();
        }
    };
    // Each modal window as it opens (some items open two in turn), walked and closed.
    QObject::connect(&modals, &QTimer::timeout, &modals, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || walking.contains(dialog))
            return;
        walking << dialog;
        modals.stop();
        if (QTest::qWaitForWindowActive(dialog))
            walk(dialog);
        walking.removeOne(dialog);
        dialog->reject();
        modals.start();
    });
    modals.start(20);
    const QStringList skipped{u"mnuFileExit"_s, u"mnuHelpContents"_s, u"mnuHelpSupport"_s};
    for (QAction* top : main.menuBar()->actions()) {
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator() || !item->isEnabled() || !item->isVisible() || skipped.contains(item->objectName()))
                continue;
            item->trigger();
            QCoreApplication::processEvents();
            for (QMdiSubWindow* sub : main.mdiArea()->subWindowList()) {
                main.mdiArea()->setActiveSubWindow(sub);
                walk(sub->widget());
                sub->close();
            }
            QCoreApplication::processEvents();
        }
    }
    return walked;
}

} // namespace WindowWalk
