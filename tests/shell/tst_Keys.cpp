#include "common/TestSupport.h"
#include "common/WindowWalk.h"
#include "core/ui/Mnemonics.h"
#include "shell/MainWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace {

/// Catches every shortcut Qt hands out, with whom it went to and whether it was ambiguous, and swallows it: a
/// letter checked presses no button.
class ShortcutCatcher final : public QObject
{
public:
    ShortcutCatcher() { qApp->installEventFilter(this); }
    ~ShortcutCatcher() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(ShortcutCatcher)

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        receivers << watched;
        ambiguous = ambiguous || static_cast<QShortcutEvent*>(event)->isAmbiguous();
        return true;
    }
    QList<QObject*> receivers;
    bool ambiguous = false;
};

/// Why window's Alt+letters do not all act on their own control: each letter pressed where the focus is, and
/// where it went; then the letters of every page, disabled controls included, for two that share one.
QStringList lettersGoAstray(QWidget* window)
{
    QStringList astray = Mnemonics::clashes(window);
    // The keys go to the window in front, as the clerk's do (a closed dialog leaves no window active here).
    window->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(window->window()))
        return astray << window->objectName() + u": never came to the front"_s;
    // The keys go where the clerk would be: in the window, on its first control that takes the focus.
    if (!window->isAncestorOf(QApplication::focusWidget())) {
        const QList<QWidget*> controls = window->findChildren<QWidget*>();
        const auto first = std::find_if(controls.cbegin(), controls.cend(), [](const QWidget* w) {
            return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
        });
        if (first != controls.cend())
            (*first)->setFocus();
    }
    QCoreApplication::processEvents();
    QWidget* focus = window->isAncestorOf(QApplication::focusWidget()) ? QApplication::focusWidget() : window;
    for (const Mnemonics::Owner& owner : Mnemonics::owners(window)) {
        if (!owner.widget || !owner.widget->isVisible() || !owner.widget->isEnabled())
            continue;
        ShortcutCatcher catcher;
        QTest::keyClick(focus, Qt::Key(owner.letter.unicode()), Qt::AltModifier);
        QCoreApplication::processEvents(); // the menu bar back as it was
        const QObject* reached = catcher.receivers.value(0);
        // Two controls answering, an answer from anything but the window's own control, or none, is a letter gone
        // astray.
        if (catcher.receivers.size() > 1 || catcher.ambiguous || reached != owner.widget)
            astray << QStringLiteral("%1: Alt+%2 went to %3")
                          .arg(window->objectName(), QString(owner.letter),
                               reached
                                   ? QString::fromLatin1(reached->metaObject()->className()) + u' ' +
                                         reached->objectName()
                                   : u"nothing, pressed in "_s + QString::fromLatin1(focus->metaObject()->className()));
    }
    return astray;
}

} // namespace

// Alt and a letter over every window the menus open: inside each its own letters act and the menu bar's do not,
// and no letter means two things in one window.
class tst_Keys : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_window;

    void seed() override
    {
        QVERIFY(WindowWalk::seed(*m_install));
        m_window = std::make_unique<MainWindow>(m_install->services);
        m_window->resize(1280, 800);
        QVERIFY(showActive(*m_window));
    }
    void tearDown() override { m_window.reset(); }

private slots:
    void everyWindowKeepsItsLetters()
    {
        QStringList astray;
        const WindowWalk::Walked walked =
            WindowWalk::everyWindow(*m_window, [&](QWidget* window) { astray << lettersGoAstray(window); });
        const QStringList& seen = walked.seen;
        astray << walked.missing;
        // The windows the clerk meets most, among them, and those opened from inside them.
        for (const QString& name : {u"frmBooking"_s, u"frmBookingChart"_s, u"frmViewCustomers"_s, u"frmViewOwners"_s,
                                    u"frmToday"_s, u"frmRates"_s, u"frmRegionalSettings"_s, u"frmAddCustomer"_s,
                                    u"frmAddOwner"_s, u"frmBoat"_s, u"frmBookingSummary"_s, u"frmPayment"_s})
            QVERIFY2(seen.contains(name), qPrintable(seen.join(u' ')));
        QVERIFY2(astray.isEmpty(), qPrintable(astray.join(u'\n')));
    }

    // The letters a clerk pressed by mistake: on the booking chart Alt+B is Block Berth... and Alt+F From, not the
    // Bookings and File menus; a letter the chart does not use still opens its menu; and Alt and a letter nothing
    // answers types nothing into a box.
    void windowLetterWinsOverTheMenuBar()
    {
        m_window->menuItem(u"mnuBookingsChart"_s)->trigger();
        QWidget* chart = m_window->mdiArea()->activeSubWindow()->widget();
        QWidget* focus = chart->focusWidget();
        QVERIFY(focus);
        ShortcutCatcher catcher;
        QTest::keyClick(focus, Qt::Key_B, Qt::AltModifier);
        QCoreApplication::processEvents();
        QTest::keyClick(focus, Qt::Key_F, Qt::AltModifier);
        QCoreApplication::processEvents();
        QTest::keyClick(focus, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(catcher.receivers.size(), 3);
        QCOMPARE(catcher.receivers[0]->objectName(), u"cmdChartBlock"_s);
        QVERIFY(chart->isAncestorOf(qobject_cast<QWidget*>(catcher.receivers[1]))); // the From label
        QVERIFY(qobject_cast<QMenuBar*>(catcher.receivers[2]));
        QCoreApplication::processEvents();

        QWidget* wizard = chart;
        auto* box = new QLineEdit(wizard);
        box->show();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Q);
        QCOMPARE(box->text(), u"q"_s);
    }
};

ZEM_TEST(tst_Keys)
#include "tst_Keys.moc"
