#include "berths/CalendarWindow.h"

#include "berths/CalendarLayout.h"
#include "berths/DayList.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/CancelPaidDialog.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
QString title()
{
    return QCoreApplication::translate("CalendarWindow", "Simple Calendar");
}

// The design size of the window, in twips; below it the controls keep their places.
constexpr int ButtonHeight = 375;
constexpr int ButtonWidth = 1700;
} // namespace

CalendarWindow::CalendarWindow(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services), m_model(new DayListModel(this))
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(title());
    auto x = [this](int twips) { return Twips::toPixelsX(twips, this); };
    auto y = [this](int twips) { return Twips::toPixelsY(twips, this); };

    const auto frame = CalendarLayout::makeFrame(this, QStringLiteral("fraMain"), title());
    m_fraMain = frame.frame;
    m_lblCaption = frame.caption;

    m_mwDate = new QCalendarWidget(m_fraMain);
    m_mwDate->setObjectName(QStringLiteral("mwDate"));
    m_mwDate->setLocale(DateTimes::namesLocale());
    m_mwDate->setSelectedDate(m_services.clock.now().date());
    m_mwDate->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_mwDate->setGridVisible(true);
    connect(m_mwDate, &QCalendarWidget::selectionChanged, this, &CalendarWindow::refresh);
    connect(m_model, &DayListModel::readFailed, this, &CalendarWindow::readFailed);

    m_grdBooking = recordGrid(QStringLiteral("grdBooking"), m_model, m_fraMain);
    m_grdBooking->verticalHeader()->hide();
    // The times and the balance take what their headings and values need; the name and the berths share the rest
    // of the window's width.
    QHeaderView* columns = m_grdBooking->horizontalHeader();
    columns->setSectionResizeMode(DayListModel::ColName, QHeaderView::Stretch);
    columns->setSectionResizeMode(DayListModel::ColBerths, QHeaderView::Stretch);
    for (const int column : {DayListModel::ColArrival, DayListModel::ColDeparture, DayListModel::ColBalance})
        columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, m_fraMain);
        b->setObjectName(name);
        return b;
    };
    m_cmdAdd = button(tr("Add Reservation"), QStringLiteral("cmdAdd"));
    m_cmdEdit = button(tr("Edit Reservation"), QStringLiteral("cmdEdit"));
    m_cmdSummary = button(tr("Show Summary"), QStringLiteral("cmdSummary"));
    m_cmdCancel = button(tr("Cancel Reservation"), QStringLiteral("cmdCancel"));
    connect(m_cmdAdd, &QPushButton::clicked, this,
            [this] { BookingWizard::display(m_host, m_services, RecordMode::Add, 0); });
    connect(m_cmdEdit, &QPushButton::clicked, this, &CalendarWindow::edit);
    connect(m_cmdSummary, &QPushButton::clicked, this, &CalendarWindow::summary);
    connect(m_cmdCancel, &QPushButton::clicked, this, &CalendarWindow::cancelReservation);

    // The design layout; resizing then follows the window's size.
    m_lblCaption->setGeometry(x(120), y(120), x(9000 - 240), y(450));
    m_mwDate->setGeometry(x(120), y(660), x(4200), y(2900));
    resize(x(9600), y(8400));
    layOut();
}

CalendarWindow* CalendarWindow::display(IWindowHost& host, Services& services)
{
    auto* calendar = qobject_cast<CalendarWindow*>(host.findWindow(QStringLiteral("frmCalendar")));
    if (!calendar)
        calendar = new CalendarWindow(host, services);
    host.showChild(calendar);
    return calendar;
}

void CalendarWindow::refresh()
{
    if (const Status loaded = m_model->load(m_services.db(), m_mwDate->selectedDate()); !loaded)
        readFailed(loaded.error());
    // An empty day's one row spans the grid, so its text is read whole however narrow the name column is.
    m_grdBooking->clearSpans();
    if (!m_model->booking(0))
        m_grdBooking->setSpan(0, 0, 1, DayListModel::ColumnCount);
    m_grdBooking->selectRow(0);
}

void CalendarWindow::readFailed(const QString& error)
{
    m_services.messages.show(tr("The bookings could not be read.\n%1").arg(error), title(), MsgIcon::Critical,
                             MsgButtons::Ok);
}

int CalendarWindow::selectedId() const
{
    const QModelIndex current = m_grdBooking->currentIndex();
    const DayBooking* booking = m_model->booking(current.isValid() ? current.row() : 0);
    return booking ? booking->id : 0;
}

void CalendarWindow::edit()
{
    if (const int id = selectedId())
        BookingWizard::display(m_host, m_services, RecordMode::Edit, id);
}

void CalendarWindow::summary()
{
    if (const int id = selectedId()) {
        BookingSummaryWindow::display(m_host, m_services, id);
        refresh();
    }
}

void CalendarWindow::cancelReservation()
{
    const QModelIndex current = m_grdBooking->currentIndex();
    const DayBooking* selected = m_model->booking(current.isValid() ? current.row() : 0);
    if (!selected)
        return;
    const DayBooking booking = *selected;
    // Asked, told and logged as from the summary: a booking money was taken on is kept as cancelled.
    static_cast<void>(CancelPaidDialog::cancelBooking(m_services, this, booking.id, {}, tr("Cancel booking"),
                                                      DayList::cancelledDetails(booking)));
    refresh();
}

void CalendarWindow::resizeEvent(QResizeEvent* event)
{
    ChildWindow::resizeEvent(event);
    layOut();
}

void CalendarWindow::layOut()
{
    auto x = [this](int twips) { return Twips::toPixelsX(twips, this); };
    auto y = [this](int twips) { return Twips::toPixelsY(twips, this); };
    // Widths: the frame is 340 twips narrower than the window; the caption and the grid follow it, and
    // "Cancel Reservation" keeps 120 twips from its right edge. Heights: the frame is 540 twips shorter; the
    // buttons sit 120 twips above its bottom and the grid fills the height down to them.
    CalendarLayout::fitFrame(this, m_fraMain);
    const QRect frame = m_fraMain->geometry();
    m_lblCaption->resize(frame.width() - x(240), m_lblCaption->height());

    const int buttonTop = frame.height() - y(120) - y(ButtonHeight);
    const int gridTop = m_mwDate->geometry().bottom() + y(120);
    int left = x(120);
    for (QPushButton* b : {m_cmdAdd, m_cmdEdit, m_cmdSummary}) {
        const int w = qMax(x(ButtonWidth), b->sizeHint().width());
        b->setGeometry(left, buttonTop, w, y(ButtonHeight));
        left += w + x(120);
    }
    const int cancelWidth = qMax(x(ButtonWidth), m_cmdCancel->sizeHint().width());
    m_cmdCancel->setGeometry(frame.width() - x(120) - cancelWidth, buttonTop, cancelWidth, y(ButtonHeight));
    m_grdBooking->setGeometry(x(120), gridTop, frame.width() - x(240), qMax(y(400), buttonTop - y(120) - gridTop));
}
