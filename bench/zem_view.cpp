// Shows one window on the busy harbour as a person would see it on a real display, for bench/seen.sh, which
// presses keys through the X server and times them against the window's repaints (bench/xseen.cpp):
//   zem_view calendar|calendar-earlier|calendar-daily|chart sqlite|postgresql [yyyy-MM-dd]
// Prints "ready <X window id>" once the window is shown with the key's target focused: the advanced calendar's
// "one slot later" button (Space scrolls a half hour, or a day in the daily view), its "one slot earlier" button
// after twelve slots later, or the chart with the last day selected (Right scrolls a day).
#include "BenchData.h"
#include "berths/AdvancedCalendarWindow.h"
#include "berths/BookingChartView.h"
#include "berths/BookingChartWindow.h"
#include "core/EventLog.h"

#include <QApplication>
#include <QDateEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The main window's part the two windows use: each is shown as a window of its own, at a maximised size.
class OneWindowHost final : public IWindowHost
{
public:
    void showChild(ChildWindow* window) override
    {
        m_window = window;
        window->setGeometry(0, 0, 1920, 1000);
        window->show();
    }
    ChildWindow* findWindow(const QString& name) override
    {
        return m_window && m_window->objectName() == name ? m_window : nullptr;
    }
    void refreshActiveChild() override {}
    QWidget* dialogParent() override { return m_window; }

private:
    ChildWindow* m_window = nullptr;
};

class FixedClock final : public IClock
{
public:
    explicit FixedClock(const QDate& day) : m_now(day.startOfDay().addSecs(10 * 3600)) {}
    QDateTime now() const override { return m_now; }

private:
    QDateTime m_now;
};

class NoEvents final : public IEventLog
{
public:
    void log(int, const QString&) override {}
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString shown = args.value(0);
    const bool calendar = shown.startsWith(QStringLiteral("calendar"));
    if (args.size() < 2 ||
        !QStringList{u"calendar"_s, u"calendar-earlier"_s, u"calendar-daily"_s, u"chart"_s}.contains(shown)) {
        std::fprintf(stderr, "usage: zem_view calendar|calendar-earlier|calendar-daily|chart sqlite|postgresql "
                             "[yyyy-MM-dd]\n");
        return 2;
    }
    const Engine engine = args[1] == u"postgresql"_s ? Engine::PostgreSQL : Engine::SQLite;
    const int bookings = 2000000;
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("view"));
    const QDate day =
        args.size() > 2 ? QDate::fromString(args[2], Qt::ISODate) : BenchData::days(bookings, 1, 11).front();
    if (!day.isValid()) {
        std::fprintf(stderr, "not a date: %s\n", qPrintable(args[2]));
        return 2;
    }

    BenchData::QuietMessages messages;
    BenchData::FixedFile files;
    BenchData::NoDesktop desktop;
    FixedClock clock(day);
    NoEvents events;
    Services services{messages, files, desktop, clock, events, QStringLiteral("view")};
    OneWindowHost host;

    QWidget* target = nullptr;
    ChildWindow* window = nullptr;
    if (calendar) {
        window = AdvancedCalendarWindow::display(host, services);
        target = window->findChild<QToolButton*>(QStringLiteral("Command2"));
        if (shown == u"calendar-daily"_s)
            window->findChild<QRadioButton*>(QStringLiteral("Option1_1"))->setChecked(true);
    } else {
        window = BookingChartWindow::display(host, services);
        target = static_cast<BookingChartWindow*>(window)->view();
    }
    window->activateWindow();
    target->setFocus();
    QTimer::singleShot(500, &app, [&] {
        window->activated(); // as the main window does when the window comes to the front
        if (!calendar)
            static_cast<BookingChartWindow*>(window)->view()->select(0, 1 << 20); // the last day
        if (shown == u"calendar-earlier"_s) {
            for (int i = 0; i < 12; ++i)
                static_cast<QToolButton*>(target)->click();
            target = window->findChild<QToolButton*>(QStringLiteral("Command1"));
        }
        target->setFocus();
        std::printf("ready 0x%llx\n", static_cast<unsigned long long>(window->winId()));
        std::fflush(stdout);
    });
    return app.exec();
}
