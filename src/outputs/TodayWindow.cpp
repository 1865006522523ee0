#include "outputs/TodayWindow.h"

#include "bookings/BookingSummaryWindow.h"
#include "bookings/CheckInMenu.h"
#include "bookings/DocumentsMenu.h"
#include "bookings/RemindersWindow.h"
#include "core/DateTimes.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/Texts.h"
#include "mail/MailSettings.h"
#include "outputs/FigureChart.h"
#include "outputs/HarbourFigures.h"
#include "requests/RequestStore.h"
#include "requests/RequestsWindow.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QTreeWidget* list(const QString& name, const QString& when, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setHeaderLabels({when, QCoreApplication::translate("TodayWindow", "Customer"),
                           QCoreApplication::translate("TodayWindow", "Berth"),
                           QCoreApplication::translate("TodayWindow", "Boat"),
                           QCoreApplication::translate("TodayWindow", "Balance")});
    return list;
}

// The bookings of the lines chosen, or of every line when none is.
QList<int> chosenBookings(const QTreeWidget* list)
{
    QList<int> ids;
    for (const QTreeWidgetItem* item : list->selectedItems())
        ids << item->data(0, Qt::UserRole).toInt();
    for (int i = 0; ids.isEmpty() && i < list->topLevelItemCount(); ++i)
        ids << list->topLevelItem(i)->data(0, Qt::UserRole).toInt();
    return ids;
}

QGroupBox* framed(const QString& name, const QString& caption, QWidget* inner, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(inner);
    return frame;
}

void fill(QTreeWidget* list, const QList<BookingFigures::Line>& lines, bool byDeparture, bool withDate,
          const QDate& dueAsOf = {})
{
    // Filling is not the person choosing: Depart keeps the list they chose last.
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& line : lines) {
        auto* item = new QTreeWidgetItem(
            list, HarbourFigures::lineTexts(line, byDeparture ? line.toDate : line.fromDate, withDate));
        // A guest checked in or out says so beside the booked time; an expected one shows the time alone.
        if (line.stay == CheckIn::Stay::Arrived)
            item->setText(0, QCoreApplication::translate("TodayWindow", "%1, arrived %2")
                                 .arg(item->text(0), line.arrivedAt.toString(QStringLiteral("HH:mm"))));
        else if (line.stay == CheckIn::Stay::Departed)
            item->setText(0, QCoreApplication::translate("TodayWindow", "%1, left %2")
                                 .arg(item->text(0), line.departedAt.toString(QStringLiteral("HH:mm"))));
        else if (line.stay == CheckIn::Stay::NoShow)
            item->setText(0, QCoreApplication::translate("TodayWindow", "%1, no-show").arg(item->text(0)));
        item->setData(0, Qt::UserRole, line.bookingId);
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        // The money owing says what falls due next, and stands out where it is late.
        if (dueAsOf.isValid()) {
            item->setText(5, line.due.nextText(dueAsOf));
            if (line.due.overdue(dueAsOf)) {
                QFont late = item->font(5);
                late.setBold(true);
                item->setFont(5, late);
                item->setForeground(5, QColor(0xb0, 0x00, 0x20));
            }
        }
    }
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    list->header()->resizeSections(QHeaderView::ResizeToContents);
}
} // namespace

TodayWindow::TodayWindow(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services), m_lblToday(new QLabel(this)),
      m_lblRequests(new QLabel(this)), m_lstArrivals(list(QStringLiteral("lstArrivals"), tr("Arrives"), this)),
      m_lstDepartures(list(QStringLiteral("lstDepartures"), tr("Leaves"), this)),
      m_lstInHarbour(list(QStringLiteral("lstInHarbour"), tr("Leaves"), this)),
      m_lstOwing(list(QStringLiteral("lstOwing"), tr("Arrives"), this)), m_chtOccupancy(new QChartView(this)),
      m_chkShowAtStartup(new QCheckBox(tr("&Show this window when the program starts"), this))
{
    setObjectName(QStringLiteral("frmToday"));
    m_lstOwing->setColumnCount(6);
    m_lstOwing->headerItem()->setText(5, tr("Due"));
    setWindowTitle(tr("Today"));
    m_lblToday->setObjectName(QStringLiteral("lblToday"));
    QFont heading = m_lblToday->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    heading.setBold(true);
    m_lblToday->setFont(heading);
    m_lblRequests->setObjectName(QStringLiteral("lblRequests"));
    auto* cmdRequests = new QPushButton(tr("Re&quests..."), this);
    cmdRequests->setObjectName(QStringLiteral("cmdRequests"));
    connect(cmdRequests, &QPushButton::clicked, this, [this] {
        RequestsWindow::display(m_host, m_services);
        refresh(false);
    });
    m_chtOccupancy->setObjectName(QStringLiteral("chtOccupancy"));
    m_chtOccupancy->setRenderHint(QPainter::Antialiasing);
    m_chtOccupancy->setMinimumHeight(220);
    m_chkShowAtStartup->setObjectName(QStringLiteral("chkShowAtStartup"));
    m_chkShowAtStartup->setChecked(showAtStartup());
    auto* cmdRefresh = new QPushButton(tr("&Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    // The booking chosen in the list last used.
    auto* cmdConfirmation = new QPushButton(tr("Con&firmation"), this);
    cmdConfirmation->setObjectName(QStringLiteral("cmdConfirmation"));
    cmdConfirmation->setMenu(DocumentsMenu::confirmationMenu(
        m_services,
        [this] {
            const QTreeWidgetItem* item = m_chosen ? m_chosen->currentItem() : nullptr;
            return item ? item->data(0, Qt::UserRole).toInt() : 0;
        },
        this));

    auto* grid = new QGridLayout;
    grid->addWidget(framed(QStringLiteral("fraArrivals"), tr("&Arrivals today"), m_lstArrivals, this), 0, 0);
    grid->addWidget(framed(QStringLiteral("fraDepartures"), tr("&Departures today"), m_lstDepartures, this), 0, 1);
    grid->addWidget(framed(QStringLiteral("fraInHarbour"), tr("&In the harbour now"), m_lstInHarbour, this), 1, 0);
    grid->addWidget(framed(QStringLiteral("fraOwing"), tr("&Money owing, arriving within 7 days"), m_lstOwing, this), 1,
                    1);
    // Reminders for the lines chosen in the money owing (all of them when none is), reviewed before they go.
    m_lstOwing->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* cmdReminders = new QPushButton(tr("R&eminders..."), this);
    cmdReminders->setObjectName(QStringLiteral("cmdReminders"));
    cmdReminders->setEnabled(MailSettings::isSetUp());
    if (!MailSettings::isSetUp())
        cmdReminders->setToolTip(MailSettings::notSetUpText());
    connect(cmdReminders, &QPushButton::clicked, this, [this] {
        RemindersWindow::display(m_services, this, chosenBookings(m_lstOwing));
        refresh(false);
    });
    auto* cmdArrive = new QPushButton(tr("Arri&ve"), this);
    cmdArrive->setObjectName(QStringLiteral("cmdArrive"));
    auto* cmdDepart = new QPushButton(tr("Depar&t..."), this);
    cmdDepart->setObjectName(QStringLiteral("cmdDepart"));
    auto* cmdNoShows = new QPushButton(tr("&No-shows..."), this);
    cmdNoShows->setObjectName(QStringLiteral("cmdNoShows"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chkShowAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(cmdConfirmation);
    buttons->addWidget(cmdReminders);
    for (QPushButton* b : {cmdArrive, cmdDepart, cmdNoShows})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(cmdRefresh);
    buttons->addWidget(cmdClose);
    auto* top = new QHBoxLayout;
    top->addWidget(m_lblToday);
    top->addStretch(1);
    top->addWidget(m_lblRequests);
    top->addWidget(cmdRequests);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid, 3);
    layout->addWidget(m_chtOccupancy, 2);
    layout->addLayout(buttons);

    // The list last chosen in, by the mouse or the keyboard (filling one is not choosing).
    for (QTreeWidget* lines : {m_lstArrivals, m_lstDepartures, m_lstInHarbour, m_lstOwing}) {
        connect(lines, &QTreeWidget::itemActivated, this, [this, lines] { openSummary(lines); });
        connect(lines, &QTreeWidget::currentItemChanged, this, [this, lines] { m_chosen = lines; });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QTreeWidget* lines : {m_lstArrivals, m_lstDepartures, m_lstInHarbour, m_lstOwing})
            if (now == lines)
                m_chosen = lines;
    });
    connect(m_chkShowAtStartup, &QCheckBox::toggled, this, [](bool on) {
        Registry::setRegistryValue(Settings::ShowTodayAtStartup, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    connect(cmdArrive, &QPushButton::clicked, this, [this] { changeStay(m_lstArrivals, true); });
    // Depart takes its guest from the departures, or from the harbour when that list was chosen last.
    connect(cmdDepart, &QPushButton::clicked, this,
            [this] { changeStay(m_chosen == m_lstInHarbour ? m_lstInHarbour : m_lstDepartures, false); });
    connect(cmdNoShows, &QPushButton::clicked, this, [this] { proposeNoShows(true); });
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { refresh(); });
    connect(cmdClose, &QPushButton::clicked, this, &ChildWindow::closeWithFrame);
    // Four lists side by side want the whole frame; a larger size is cut down to it when shown.
    resize(1600, 1000);
}

TodayWindow* TodayWindow::display(IWindowHost& host, Services& services)
{
    auto* window = qobject_cast<TodayWindow*>(host.findWindow(QStringLiteral("frmToday")));
    if (!window)
        window = new TodayWindow(host, services);
    host.showChild(window);
    return window;
}

bool TodayWindow::showAtStartup()
{
    return Registry::getRegistryNumber(Settings::ShowTodayAtStartup) == 1;
}

void TodayWindow::refresh(bool withChart)
{
    const QDateTime now = m_services.clock.now();
    m_lblToday->setText(DateTimes::namesLocale().toString(now.date(), QStringLiteral("dddd ")) +
                        DateTimes::dateText(now.date()));
    const auto today = BookingFigures::today(m_services.db(), now);
    const auto chart = withChart ? HarbourFigures::fortnight(m_services.db(), now.date())
                                 : Result<HarbourFigures::Figure>(HarbourFigures::Figure{});
    if (!today || !chart) {
        m_services.messages.show(tr("Today's bookings could not be read: %1").arg(today.error() + chart.error()),
                                 Texts::productTitle(), MsgIcon::Critical);
        return;
    }
    fill(m_lstArrivals, today->arrivals, false, false);
    fill(m_lstDepartures, today->departures, true, false);
    fill(m_lstInHarbour, today->inHarbour, true, true);
    fill(m_lstOwing, today->owingSoon, false, true, now.date());
    showRequests(now);
    if (withChart) {
        QChart* old = m_chtOccupancy->chart();
        m_chtOccupancy->setChart(FigureChart::chart(*chart));
        delete old;
    }
    // Once a day, from the office's closing time: after this read, so the window is shown as it stands.
    if (m_noShowsProposed != now.date() && CheckIn::pastClosingTime(now)) {
        m_noShowsProposed = now.date();
        QTimer::singleShot(0, this, [this] { proposeNoShows(false); });
    }
}

void TodayWindow::showRequests(const QDateTime& now)
{
    const auto waiting = RequestStore::waiting(m_services.db(), now);
    if (!waiting) {
        m_lblRequests->setText(tr("The booking requests could not be read: %1").arg(waiting.error()));
        return;
    }
    QStringList parts;
    if (waiting->unanswered > 0)
        parts << tr("%n booking request(s) waiting for an answer", "", waiting->unanswered);
    if (waiting->holdsEndingToday > 0)
        parts << tr("%n hold(s) for a request ending today", "", waiting->holdsEndingToday);
    m_lblRequests->setText(parts.isEmpty() ? tr("No booking requests waiting") : parts.join(QStringLiteral("; ")));
    QFont font = m_lblRequests->font();
    font.setBold(!parts.isEmpty());
    m_lblRequests->setFont(font);
}

void TodayWindow::changeStay(QTreeWidget* list, bool arrive)
{
    const QTreeWidgetItem* item = list->currentItem();
    if (!item) {
        m_services.messages.show(arrive ? tr("Choose the arrival to check in.") : tr("Choose the guest to check out."),
                                 windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    const int booking = item->data(0, Qt::UserRole).toInt();
    if (arrive ? CheckInMenu::arrive(m_services, this, booking) : CheckInMenu::depart(m_services, this, booking))
        refresh(false);
}

void TodayWindow::proposeNoShows(bool askedFor)
{
    if (CheckInMenu::confirmNoShows(m_services, this, askedFor))
        refresh(false);
}

void TodayWindow::openSummary(QTreeWidget* list)
{
    const QTreeWidgetItem* item = list->currentItem();
    if (!item)
        return;
    BookingSummaryWindow::display(m_host, m_services, item->data(0, Qt::UserRole).toInt());
    refresh();
}
