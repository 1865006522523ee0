#include "bookings/FindBookingWindow.h"
#include "core/DateTimes.h"

#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/Ledger.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"
#include "core/ui/WindowPlacement.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
/// A date picker that can be switched off: the box in front of it says whether it bounds the search.
QDateTimeEdit* picker(const QString& name, QCheckBox* onOff, QWidget* parent)
{
    auto* picker = new QDateTimeEdit(parent);
    picker->setObjectName(name);
    picker->setLocale(DateTimes::namesLocale());
    picker->setDisplayFormat(DateTimes::weekdayDateFormat() + QStringLiteral(" HH:mm"));
    picker->setCalendarPopup(true);
    picker->setTimeSpec(Qt::UTC); // wall-clock values, see IClock
    onOff->setChecked(true);
    QObject::connect(onOff, &QCheckBox::toggled, picker, &QWidget::setEnabled);
    return picker;
}
} // namespace

FindBookingWindow::FindBookingWindow(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_model(new FindBookingModel(this))
{
    setObjectName(QStringLiteral("frmFindBooking"));
    setWindowTitle(tr("Find Booking"));
    setModal(true);

    m_chkArriving = new QCheckBox(tr("Arriving on:"), this);
    m_chkArriving->setObjectName(QStringLiteral("chkArriving"));
    m_dtpArriving = picker(QStringLiteral("dtpArriving"), m_chkArriving, this);
    m_chkDeparting = new QCheckBox(tr("Departing on:"), this);
    m_chkDeparting->setObjectName(QStringLiteral("chkDeparting"));
    m_dtpDeparting = picker(QStringLiteral("dtpDeparting"), m_chkDeparting, this);

    m_chkShowCancelled = new QCheckBox(tr("Show ca&ncelled bookings"), this);
    m_chkShowCancelled->setObjectName(QStringLiteral("chkShowCancelled"));

    m_txtName = new QLineEdit(this);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setMaxLength(100);
    m_txtName->setPlaceholderText(tr("Part of the customer's name"));
    auto* lblName = new QLabel(tr("Na&me:"), this);
    lblName->setBuddy(m_txtName);
    connect(m_txtName, &QLineEdit::textEdited, this, &FindBookingWindow::startSearch);

    auto* cmdStart = new QPushButton(tr("&Start Search"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    auto* cmdEditBooking = new QPushButton(tr("&View/Edit Booking"), this);
    cmdEditBooking->setObjectName(QStringLiteral("cmdEditBooking"));
    auto* cmdColse = new QPushButton(tr("&Close"), this);
    cmdColse->setObjectName(QStringLiteral("cmdColse"));
    for (QPushButton* b : {cmdStart, cmdEditBooking, cmdColse})
        b->setAutoDefault(false);
    connect(cmdStart, &QPushButton::clicked, this, &FindBookingWindow::startSearch);
    connect(cmdEditBooking, &QPushButton::clicked, this, [this] { done(EditRequested); });
    connect(cmdColse, &QPushButton::clicked, this, [this] { done(Closed); });

    m_grdBooking = recordGrid(QStringLiteral("grdBooking"), m_model, this);
    m_grdBooking->verticalHeader()->setDefaultSectionSize(Twips::toPixelsY(300, this));
    m_grdBooking->horizontalHeader()->setDefaultSectionSize(Twips::toPixelsX(1500, this));
    m_grdBooking->horizontalHeader()->setStretchLastSection(true);
    fitColumns(m_grdBooking);

    auto* lblMatches = new QLabel(tr("Total matches:"), this);
    lblMatches->setObjectName(QStringLiteral("lblMatches"));
    m_lblTotalMatches = new QLabel(this);
    m_lblTotalMatches->setObjectName(QStringLiteral("lblTotalMatches"));

    auto* bounds = new QGridLayout;
    bounds->addWidget(m_chkArriving, 0, 0);
    bounds->addWidget(m_dtpArriving, 0, 1);
    bounds->addWidget(m_chkDeparting, 1, 0);
    bounds->addWidget(m_dtpDeparting, 1, 1);
    bounds->addWidget(cmdStart, 1, 2);
    bounds->addWidget(m_chkShowCancelled, 0, 2);
    bounds->addWidget(lblName, 2, 0);
    bounds->addWidget(m_txtName, 2, 1, 1, 2);
    bounds->setColumnStretch(3, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblMatches);
    bottom->addWidget(m_lblTotalMatches);
    bottom->addStretch(1);
    bottom->addWidget(cmdEditBooking);
    bottom->addWidget(cmdColse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bounds);
    layout->addWidget(m_grdBooking, 1);
    layout->addLayout(bottom);
    setMinimumSize(Twips::toPixelsX(6000, this), Twips::toPixelsY(4500, this));
    // Every column of the list in view at 1280×800; the size the clerk leaves it at is kept.
    resize(Twips::toPixelsX(12000, this), Twips::toPixelsY(8400, this));
    WindowPlacement::keepSize(this, this);

    FocusNextControl::install(this);
}

void FindBookingWindow::display(IWindowHost& host, Services& services)
{
    int bookingId = 0;
    {
        FindBookingWindow window(services, host.dialogParent());
        window.load();
        if (window.exec() == EditRequested)
            bookingId = window.currentBookingId();
    }
    // The window is gone before the wizard comes up; an empty list opens nothing. A cancelled booking is not
    // changed any more: its summary shows what became of it and its money.
    if (bookingId == 0)
        return;
    if (const auto held = Ledger::account(services.db(), bookingId); held && held->cancelled)
        BookingSummaryWindow::display(host, services, bookingId);
    else
        BookingWizard::display(host, services, RecordMode::Edit, bookingId);
}

bool FindBookingWindow::load()
{
    const QDateTime now = m_services.clock.now();
    m_dtpArriving->setDateTime(now);
    m_dtpDeparting->setDateTime(now);
    m_chkArriving->setChecked(true);
    m_chkDeparting->setChecked(true);
    m_lblTotalMatches->clear();
    const Status loaded = m_model->load(m_services.db());
    if (!loaded)
        MessageLog::logError(QStringLiteral("frmFindBooking.Form_Load: %1").arg(loaded.error()));
    showFirstRow();
    return loaded.ok();
}

void FindBookingWindow::showFirstRow()
{
    // A new query resets the grid's columns.
    m_grdBooking->setColumnHidden(FindBookingModel::ColId, true);
    m_grdBooking->setColumnHidden(FindBookingModel::ColCancelled, true);
    m_grdBooking->setColumnWidth(FindBookingModel::ColName, Twips::toPixelsX(2700, this));
    m_grdBooking->setCurrentIndex(m_model->index(0, FindBookingModel::ColName));
}

int FindBookingWindow::currentBookingId() const
{
    const QModelIndex current = m_grdBooking->currentIndex();
    return current.isValid() ? m_model->bookingId(current.row()) : 0;
}

void FindBookingWindow::startSearch()
{
    FindBookingModel::Bounds bounds;
    bounds.showCancelled = m_chkShowCancelled->isChecked();
    bounds.name = m_txtName->text();
    if (m_chkArriving->isChecked())
        bounds.arriving = m_dtpArriving->dateTime();
    if (m_chkDeparting->isChecked())
        bounds.departing = m_dtpDeparting->dateTime();
    if (!showRows(bounds))
        return;
    // With both pickers off and no name the full list is back and the count stays as it was.
    if (bounds.isEmpty())
        return;
    const auto count = FindBookingModel::count(m_services.db(), bounds);
    if (count)
        m_lblTotalMatches->setText(QString::number(*count));
    else
        m_services.messages.show(tr("The bookings could not be searched: %1").arg(count.error()), tr("Find Booking"),
                                 MsgIcon::Critical);
}

bool FindBookingWindow::showRows(const FindBookingModel::Bounds& bounds)
{
    const Status loaded = m_model->load(m_services.db(), bounds);
    if (!loaded)
        m_services.messages.show(tr("The bookings could not be searched: %1").arg(loaded.error()), tr("Find Booking"),
                                 MsgIcon::Critical);
    showFirstRow();
    return loaded.ok();
}
