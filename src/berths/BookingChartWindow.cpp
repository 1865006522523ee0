#include "berths/BookingChartWindow.h"

#include "berths/BerthInput.h"
#include "berths/BlockBerthDialog.h"
#include "berths/BookingChartPrint.h"
#include "berths/BookingChartView.h"
#include "bookings/BookingMove.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingSummaryData.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/CancelPaidDialog.h"
#include "bookings/CheckInMenu.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/ui/DateBox.h"
#include "core/ui/DocumentRenderer.h"
#include "core/ui/ReadErrorLine.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

BookingChartWindow::BookingChartWindow(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services), m_view(new BookingChartView(m_chart, this)),
      m_dtpChartDate(new DateBox(this)), m_cboChartDays(new QComboBox(this)), m_cboChartType(new QComboBox(this)),
      m_readError(new ReadErrorLine(this))
{
    setObjectName(QStringLiteral("frmBookingChart"));
    setWindowTitle(tr("Booking Chart"));

    m_dtpChartDate->setObjectName(QStringLiteral("dtpChartDate"));
    m_dtpChartDate->setDateRange(QDate(2000, 1, 1), QDate(2199, 12, 31).addDays(-BookingChart::MostDays));
    m_cboChartDays->setObjectName(QStringLiteral("cboChartDays"));
    for (const int days : {14, 30, 60, 90})
        m_cboChartDays->addItem(tr("%1 days").arg(days), days);
    m_cboChartDays->setCurrentIndex(1);
    m_cboChartType->setObjectName(QStringLiteral("cboChartType"));
    m_cboChartType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* cmdChartToday = new QPushButton(tr("T&oday"), this);
    cmdChartToday->setObjectName(QStringLiteral("cmdChartToday"));
    auto* cmdChartBlock = new QPushButton(tr("&Block Berth..."), this);
    cmdChartBlock->setObjectName(QStringLiteral("cmdChartBlock"));
    auto* cmdChartPrint = new QPushButton(tr("&Print..."), this);
    cmdChartPrint->setObjectName(QStringLiteral("cmdChartPrint"));

    // The guest of the selected bar: a menu beside the tools, the same actions on the bar's context menu and keys.
    auto* cmdChartGuest = new QPushButton(tr("&Guest"), this);
    cmdChartGuest->setObjectName(QStringLiteral("cmdChartGuest"));
    auto* guest = new QMenu(cmdChartGuest);
    guest->setObjectName(QStringLiteral("mnuChartGuest"));
    const auto stayAction = [&](const QString& text, const QString& name, const QKeySequence& keys,
                                bool (*action)(Services&, QWidget*, int)) {
        auto* item = guest->addAction(text);
        item->setObjectName(name);
        item->setShortcut(keys);
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_view->addAction(item);
        connect(item, &QAction::triggered, this, [this, action] { changeStay(action); });
    };
    stayAction(tr("&Arrive"), QStringLiteral("mnuChartArrive"), QKeySequence(Qt::CTRL | Qt::Key_I),
               &CheckInMenu::arrive);
    stayAction(tr("&Depart..."), QStringLiteral("mnuChartDepart"), QKeySequence(Qt::CTRL | Qt::Key_L),
               &CheckInMenu::depart);
    stayAction(tr("&Undo check-in or out..."), QStringLiteral("mnuChartUndoStay"), {}, &CheckInMenu::putBack);
    cmdChartGuest->setMenu(guest);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* lblDate = new QLabel(tr("&From:"), this);
    lblDate->setBuddy(m_dtpChartDate);
    auto* lblDays = new QLabel(tr("&Show:"), this);
    lblDays->setBuddy(m_cboChartDays);
    auto* lblType = new QLabel(tr("Berth t&ype:"), this);
    lblType->setBuddy(m_cboChartType);
    auto* bar = new QHBoxLayout;
    bar->addWidget(lblDate);
    bar->addWidget(m_dtpChartDate);
    bar->addWidget(cmdChartToday);
    bar->addSpacing(12);
    bar->addWidget(lblDays);
    bar->addWidget(m_cboChartDays);
    bar->addSpacing(12);
    bar->addWidget(lblType);
    bar->addWidget(m_cboChartType);
    bar->addStretch(1);
    bar->addWidget(cmdChartGuest);
    bar->addWidget(cmdChartBlock);
    bar->addWidget(cmdChartPrint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_readError);
    layout->addWidget(m_view, 1);

    connect(m_dtpChartDate, &QDateEdit::dateChanged, this, &BookingChartWindow::readDays);
    connect(m_cboChartDays, &QComboBox::currentIndexChanged, this, &BookingChartWindow::readDays);
    connect(m_cboChartType, &QComboBox::currentIndexChanged, this, &BookingChartWindow::activated);
    connect(cmdChartToday, &QPushButton::clicked, this,
            [this] { m_dtpChartDate->setDate(m_services.clock.now().date()); });
    connect(m_view, &BookingChartView::rowsInViewChanged, this, &BookingChartWindow::readBars);
    connect(m_view, &BookingChartView::daysScrolled, this, &BookingChartWindow::moveDays);
    connect(m_view, &BookingChartView::moveAsked, this, &BookingChartWindow::moveBooking);
    connect(m_view, &BookingChartView::undoAsked, this, &BookingChartWindow::undoMove);
    connect(m_view, &BookingChartView::stayAsked, this, &BookingChartWindow::newStay);
    connect(m_view, &BookingChartView::cancelAsked, this, &BookingChartWindow::cancelBooking);
    connect(m_view, &BookingChartView::dropRefused, this, [this](const QString& why) {
        m_services.messages.show(tr("The booking was not moved.\n%1").arg(why), windowTitle(), MsgIcon::Exclamation,
                                 MsgButtons::Ok);
    });
    connect(m_view, &BookingChartView::bookingOpened, this, [this](int booking) {
        if (booking < 0)
            openBlock(-booking);
        else
            BookingSummaryWindow::display(m_host, m_services, booking);
    });
    connect(cmdChartBlock, &QPushButton::clicked, this, &BookingChartWindow::blockBerth);
    connect(cmdChartPrint, &QPushButton::clicked, this, &BookingChartWindow::print);
    setFocusProxy(m_view);
}

BookingChartWindow* BookingChartWindow::display(IWindowHost& host, Services& services)
{
    auto* chart = qobject_cast<BookingChartWindow*>(host.findWindow(QStringLiteral("frmBookingChart")));
    if (!chart) {
        chart = new BookingChartWindow(host, services);
        const QSignalBlocker blocker(chart->m_dtpChartDate);
        chart->m_dtpChartDate->setDate(services.clock.now().date());
    }
    host.showChild(chart);
    return chart;
}

bool BookingChartWindow::report(const Status& status)
{
    if (!status) {
        MessageLog::logError(QStringLiteral("%1: %2").arg(objectName(), status.error()));
        m_readError->showError(status.error());
        return false;
    }
    m_readError->clearError();
    return true;
}

void BookingChartWindow::activated()
{
    if (m_reading)
        return;
    // The berth types as they are now, keeping the one chosen.
    const int chosen = m_cboChartType->currentData().toInt();
    QString error;
    const auto types = Sql::readLookup(m_services.db(), berthTypeLookupSql(), &error);
    {
        const QSignalBlocker blocker(m_cboChartType);
        m_cboChartType->clear();
        m_cboChartType->addItem(tr("All berth types"), 0);
        for (const Sql::LookupItem& type : types.value_or(QList<Sql::LookupItem>()))
            m_cboChartType->addItem(type.text, type.id);
        m_cboChartType->setCurrentIndex(qMax(0, m_cboChartType->findData(chosen)));
    }
    if (!types) {
        report(databaseFailure(error));
        return;
    }
    if (!report(m_chart.loadBerths(m_services.db(), m_cboChartType->currentData().toInt())))
        return;
    readDays();
}

void BookingChartWindow::readDays()
{
    m_view->setToday(m_services.clock.now().date());
    if (!report(m_chart.read(m_services.db(), m_dtpChartDate->date(), m_cboChartDays->currentData().toInt())))
        return;
    m_reading = true;
    m_view->chartChanged();
    m_reading = false;
    readBars();
}

void BookingChartWindow::readBars()
{
    if (m_reading || m_chart.rows().empty()) {
        m_view->setBars({});
        return;
    }
    auto bars = m_chart.bars(m_services.db(), m_view->firstVisibleRow(), m_view->lastVisibleRow());
    if (!report(bars.ok() ? Status(Done{}) : Status(bars.failure())))
        return;
    auto away = BookingChartAway::read(m_services.db(), m_chart, m_view->firstVisibleRow(), m_view->lastVisibleRow());
    if (!report(away.ok() ? Status(Done{}) : Status(away.failure())))
        return;
    m_view->setBars(std::move(*bars), std::move(*away));
}

void BookingChartWindow::moveDays(int days)
{
    m_dtpChartDate->setDate(m_dtpChartDate->date().addDays(days));
}

void BookingChartWindow::print()
{
    if (m_chart.rows().empty())
        return;
    // Every berth shown, not only the rows scrolled into view.
    const int lastRow = int(m_chart.rows().size()) - 1;
    const auto bars = m_chart.bars(m_services.db(), 0, lastRow);
    if (!report(bars.ok() ? Status(Done{}) : Status(bars.failure())))
        return;
    const auto away = BookingChartAway::read(m_services.db(), m_chart, 0, lastRow);
    if (!report(away.ok() ? Status(Done{}) : Status(away.failure())))
        return;
    DocumentRenderer::preview(BookingChartPrint::document(m_chart, *bars, windowTitle(), *away), this, &m_services,
                              windowTitle());
}

void BookingChartWindow::changeStay(bool (*action)(Services&, QWidget*, int))
{
    const BookingChart::Bar* bar = m_view->selectedBar();
    if (!bar || bar->blocked()) {
        m_services.messages.show(tr("Choose a booking's bar first: its guest is the one checked in or out."),
                                 windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (action(m_services, this, bar->bookingId))
        activated();
}

void BookingChartWindow::refuse(const Failure& failure)
{
    // A move that cannot be made changes nothing; the chart is read again to show what is so.
    m_services.messages.show(
        tr("The booking could not be moved. Nothing was changed.\n%1").arg(failure.text), windowTitle(),
        failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation, MsgButtons::Ok);
    activated();
}

void BookingChartWindow::moveBooking(const BookingChart::Bar& bar, int toRow, int arrivalDays, int departureDays)
{
    if (bar.blocked()) {
        moveBlock(bar, toRow, arrivalDays, departureDays);
        return;
    }
    // What the chart knows to be in the way is said before any question; the save checks again in any case.
    if (const QString clash = m_chart.clashOfMove(bar, toRow, arrivalDays, departureDays); !clash.isEmpty()) {
        refuse(conflict(clash));
        return;
    }
    const BookingMove::Request request{bar.bookingId,          bar.berthId, bar.from,     bar.to,
                                       m_chart.berthAt(toRow), arrivalDays, departureDays};
    const auto plan = BookingMove::plan(m_services.db(), request);
    if (!plan) {
        refuse(plan.failure());
        return;
    }
    bool reprice = false;
    if (plan->priceDiffers()) {
        // Keeping is the default: a hurried Enter must not change what the customer was quoted.
        const int answer = m_services.messages.choose(
            tr("Agreed price: total payable %1.\nWith today's rates for the new days and berths: total payable %2.\n\n"
               "Keep the agreed price?")
                .arg(plan->agreedTotal.format(), plan->repricedTotal.format()),
            windowTitle(),
            {tr("&Keep %1").arg(plan->agreedTotal.format()), tr("&Reprice to %1").arg(plan->repricedTotal.format())});
        if (answer < 0) {
            activated();
            return;
        }
        reprice = answer == 1;
    }
    BookingRecord saved = BookingMove::moved(*plan, reprice);
    const auto done = BookingMove::save(m_services.db(), *plan, reprice);
    if (!done) {
        refuse(done.failure());
        return;
    }
    saved.id = done->id;
    m_lastMove = Moved{plan->before, saved};
    moved(plan->before, saved);
    showMoved(request.toBerthId, m_view->selectedDay() + arrivalDays);
}

void BookingChartWindow::moved(const BookingRecord& before, const BookingRecord& after)
{
    m_services.events.log(
        EventLog::BookingModified,
        BookingRules::savedDetails(after.fromDate, after.toDate,
                                   BookingStore::customerLine(m_services.db(), after.customerId).valueOr(QString()),
                                   after.berthNames));
    // What the booking held before may be what someone on the waiting list waits for.
    m_host.berthsReleased(before.berthIds, before.fromDate, before.toDate);
}

void BookingChartWindow::undoMove()
{
    if (!m_lastMove)
        return;
    const Moved last = *m_lastMove;
    const auto plan = BookingMove::planUndo(m_services.db(), last.before, last.saved);
    if (!plan) {
        m_lastMove.reset();
        refuse(plan.failure());
        return;
    }
    const auto done = BookingMove::save(m_services.db(), *plan, false);
    if (!done) {
        m_lastMove.reset();
        refuse(done.failure());
        return;
    }
    m_lastMove.reset();
    const BookingRecord& after = plan->after;
    moved(plan->before, after);
    // The selection goes back with the bar: to the berth the move had taken it from.
    int berth = after.berthIds.value(0);
    for (qsizetype i = 0; i < after.berthIds.size(); ++i)
        if (after.berthIds[i] != last.saved.berthIds.value(i))
            berth = after.berthIds[i];
    showMoved(berth, int(m_chart.first().daysTo(after.fromDate.date())));
}

void BookingChartWindow::showMoved(int berthId, int day)
{
    activated();
    // The selection follows the bar, and the days follow the selection.
    if (day < 0 || day >= m_chart.days())
        moveDays(day < 0 ? day : day - m_chart.days() + 1);
    m_view->select(m_chart.rowOf(berthId), qBound(0, day, m_chart.days() - 1));
}

void BookingChartWindow::newStay(int row, int fromDay, int toDay)
{
    if (const QString clash = m_chart.clashOfStay(row, fromDay, toDay); !clash.isEmpty()) {
        m_services.messages.show(tr("No booking can be made there.\n%1").arg(clash), windowTitle(),
                                 MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    BookingRequest request;
    request.from = m_chart.first().addDays(fromDay);
    request.to = m_chart.first().addDays(toDay);
    request.berthIds = {m_chart.berthAt(row)};
    BookingWizard::startFrom(m_host, m_services, request);
}

void BookingChartWindow::cancelBooking(const BookingChart::Bar& bar)
{
    if (bar.blocked()) {
        openBlock(-bar.bookingId);
        return;
    }
    const auto stored = BookingStore::loadBooking(m_services.db(), bar.bookingId);
    if (!stored || stored->cancelled || stored->fromDate != bar.from || stored->toDate != bar.to) {
        refuse(stored ? conflict(tr("The booking was changed at another desk meanwhile.")) : stored.failure());
        return;
    }
    const QString name = BookingStore::customerLine(m_services.db(), stored->customerId).valueOr(QString());
    const Status cancelled =
        CancelPaidDialog::cancelBooking(m_services, this, bar.bookingId, stored->storedStamp, tr("Cancel booking"),
                                        BookingSummaryData::cancelledDetails(stored->fromDate, stored->toDate, name));
    if (!cancelled)
        return;
    if (m_lastMove && m_lastMove->saved.id == bar.bookingId)
        m_lastMove.reset();
    m_host.berthsReleased(stored->berthIds, stored->fromDate, stored->toDate);
    activated();
}

void BookingChartWindow::blockBerth()
{
    BerthBlocks::Block block;
    block.berthId = m_chart.berthAt(m_view->selectedRow());
    if (m_view->selectedDay() >= 0)
        block.from = DateTimes::wallTime(m_chart.first().addDays(m_view->selectedDay()));
    if (BlockBerthDialog::edit(m_services, block, this))
        activated();
}

void BookingChartWindow::openBlock(int blockId)
{
    const auto block = BerthBlocks::load(m_services.db(), blockId);
    if (!block || !*block) {
        refuse(block ? conflict(tr("Another desk removed this block meanwhile.")) : block.failure());
        return;
    }
    BlockBerthDialog::edit(m_services, **block, this);
    activated();
}

void BookingChartWindow::moveBlock(const BookingChart::Bar& bar, int toRow, int arrivalDays, int departureDays)
{
    const auto tell = [this](const Failure& failure) {
        m_services.messages.show(
            tr("The block was not moved. Nothing was changed.\n%1").arg(failure.text), windowTitle(),
            failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation, MsgButtons::Ok);
        activated();
    };
    if (const QString clash = m_chart.clashOfMove(bar, toRow, arrivalDays, departureDays); !clash.isEmpty()) {
        tell(conflict(clash));
        return;
    }
    if (m_chart.berthAt(toRow) == 0) {
        tell(refused(tr("Not a berth.")));
        return;
    }
    const auto stored = BerthBlocks::load(m_services.db(), -bar.bookingId);
    if (!stored || !*stored) {
        tell(stored ? conflict(tr("Another desk removed this block meanwhile.")) : stored.failure());
        return;
    }
    // The block as the bar showed it: another desk's change since is not overwritten.
    if ((*stored)->from != bar.from || (*stored)->to != bar.to || (*stored)->berthId != bar.berthId) {
        tell(conflict(tr("Another desk changed this block meanwhile.")));
        return;
    }
    BerthBlocks::Block moved = **stored;
    moved.berthId = m_chart.berthAt(toRow);
    moved.berthName = m_chart.rows()[size_t(toRow)].name;
    moved.from = moved.from.addDays(arrivalDays);
    moved.to = moved.to.addDays(departureDays);
    if (const auto saved = BerthBlocks::save(m_services.db(), moved, {}, **stored); !saved) {
        tell(saved.failure());
        return;
    }
    m_services.events.log(EventLog::BerthBlockModified, BerthBlocks::describe(moved));
    // What the block no longer holds may be what someone on the waiting list waits for.
    m_host.berthsReleased({bar.berthId}, bar.from, bar.to);
    showMoved(moved.berthId, m_view->selectedDay() + arrivalDays);
}
