#include "outputs/ReportManager.h"

#include "bookings/Ledger.h"
#include "bookings/PaymentTerms.h"
#include "bookings/RemindersWindow.h"
#include "core/DateTimes.h"
#include "core/Seams.h"
#include "core/Texts.h"
#include "core/ui/DateBox.h"
#include "core/ui/DocumentRenderer.h"
#include "mail/MailSettings.h"
#include "outputs/CashUpReport.h"
#include "outputs/ExportMenu.h"
#include "outputs/FigureWindow.h"
#include "outputs/HarbourFigures.h"
#include "outputs/MeterLists.h"
#include "outputs/MeterListsWindow.h"
#include "outputs/OptionalDateEdit.h"
#include "outputs/ReportLayouts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using BookingReports::List;

namespace {
QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* periodFrame(const QString& name, OptionalDateEdit* from, OptionalDateEdit* to, QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("ReportManager", "From:"), from);
    form->addRow(QCoreApplication::translate("ReportManager", "To:"), to);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(form);
    return frame;
}
} // namespace

ReportManager::ReportManager(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services),
      m_dtpFrom(new OptionalDateEdit(QStringLiteral("dtpFrom"), this)),
      m_dtpTo(new OptionalDateEdit(QStringLiteral("dtpTo"), this)),
      m_dtpFrom1(new OptionalDateEdit(QStringLiteral("dtpFrom1"), this)),
      m_dtpTo1(new OptionalDateEdit(QStringLiteral("dtpTo1"), this)),
      m_dtpTakingsFrom(new OptionalDateEdit(QStringLiteral("dtpTakingsFrom"), this)),
      m_dtpTakingsTo(new OptionalDateEdit(QStringLiteral("dtpTakingsTo"), this)), m_cboFigure(new QComboBox(this)),
      m_cboStep(new QComboBox(this)), m_dtpFiguresFrom(new DateBox(this)), m_dtpFiguresTo(new DateBox(this))
{
    setObjectName(QStringLiteral("frmReports"));
    setWindowTitle(tr("Report Manager"));

    QGroupBox* frame1 = periodFrame(QStringLiteral("Frame1"), m_dtpFrom, m_dtpTo, this);
    auto* cmdAllBooking = button(QStringLiteral("cmdAllBooking"), tr("&List of all up comming bookings"), frame1);
    frame1->layout()->addWidget(cmdAllBooking);

    auto* cmdTodaysBooking = button(QStringLiteral("cmdTodaysBooking"), tr("List of bookings &taken today"), this);
    auto* cmdTodaysCheckOuts =
        button(QStringLiteral("cmdTodaysCheckOuts"), tr("List of todays &checkouts left to be completed"), this);
    auto* cmdArrivals = button(QStringLiteral("cmdArrivalsToday"), tr("&Arrivals today"), this);
    auto* cmdDepartures = button(QStringLiteral("cmdDeparturesToday"), tr("&Departures today"), this);
    auto* cmdAvailableBerths = button(QStringLiteral("cmdAvailableBerths"), tr("Outstanding &Balance A/Cs"), this);

    auto* cmdPaymentsDue = button(QStringLiteral("cmdPaymentsDue"), tr("&Payments due"), this);
    // Reminders for the payments due, each reviewed in the list before they go in one step.
    auto* cmdRemindPaymentsDue =
        button(QStringLiteral("cmdRemindPaymentsDue"), tr("Send reminders for pa&yments due..."), this);
    cmdRemindPaymentsDue->setEnabled(MailSettings::isSetUp());
    if (!MailSettings::isSetUp())
        cmdRemindPaymentsDue->setToolTip(MailSettings::notSetUpText());

    QGroupBox* frame2 = periodFrame(QStringLiteral("Frame2"), m_dtpFrom1, m_dtpTo1, this);
    auto* command4 = button(QStringLiteral("Command4"), tr("Period sales summa&ry"), frame2);
    frame2->layout()->addWidget(command4);

    // The takings: the cash-up of a day or a period and the payments' own lines, both starting on today.
    QGroupBox* fraTakings = periodFrame(QStringLiteral("fraTakings"), m_dtpTakingsFrom, m_dtpTakingsTo, this);
    fraTakings->setTitle(tr("Takings"));
    auto* cmdCashUp = button(QStringLiteral("cmdCashUp"), tr("Cash-&up..."), fraTakings);
    auto* cmdExportCashUp = button(QStringLiteral("cmdExportCashUp"), tr("E&xport cash-up (CSV)..."), fraTakings);
    auto* cmdExportPayments = button(QStringLiteral("cmdExportPayments"), tr("Export payme&nts (CSV)..."), fraTakings);
    for (QPushButton* takings : {cmdCashUp, cmdExportCashUp, cmdExportPayments})
        fraTakings->layout()->addWidget(takings);

    // The figures: a chart of the chosen period, its numbers beneath.
    auto* fraFigures = new QGroupBox(tr("Figures"), this);
    fraFigures->setObjectName(QStringLiteral("fraFigures"));
    m_cboFigure->setObjectName(QStringLiteral("cboFigure"));
    m_cboFigure->addItem(tr("Occupancy"), int(HarbourFigures::Kind::Occupancy));
    m_cboFigure->addItem(tr("Revenue by month"), int(HarbourFigures::Kind::Revenue));
    m_cboFigure->addItem(tr("Length of stay and lead time"), int(HarbourFigures::Kind::Stays));
    m_cboFigure->addItem(tr("The busiest berths"), int(HarbourFigures::Kind::BusiestBerths));
    // An office with no meters sees neither their figure nor their lists.
    const bool metered = MeterLists::any(m_services.db());
    if (metered)
        m_cboFigure->addItem(tr("Meter use by month"), int(HarbourFigures::Kind::MeterUse));
    m_cboStep->setObjectName(QStringLiteral("cboStep"));
    m_cboStep->addItem(tr("Day"), int(BookingFigures::Step::Day));
    m_cboStep->addItem(tr("Week"), int(BookingFigures::Step::Week));
    m_cboStep->addItem(tr("Month"), int(BookingFigures::Step::Month));
    m_cboStep->setCurrentIndex(2);
    m_dtpFiguresFrom->setObjectName(QStringLiteral("dtpFiguresFrom"));
    m_dtpFiguresTo->setObjectName(QStringLiteral("dtpFiguresTo"));
    for (QDateEdit* date : {m_dtpFiguresFrom, m_dtpFiguresTo})
        date->setDateRange(QDate(1900, 1, 1), QDate(2199, 12, 31));
    auto* cmdShowFigure = button(QStringLiteral("cmdShowFigure"), tr("Show fi&gure"), fraFigures);
    auto* figureForm = new QFormLayout(fraFigures);
    figureForm->addRow(tr("F&igure:"), m_cboFigure);
    figureForm->addRow(tr("Fro&m:"), m_dtpFiguresFrom);
    figureForm->addRow(tr("T&o:"), m_dtpFiguresTo);
    figureForm->addRow(tr("&Step:"), m_cboStep);
    figureForm->addRow(cmdShowFigure);
    connect(m_cboFigure, &QComboBox::currentIndexChanged, this, [this] {
        m_cboStep->setEnabled(m_cboFigure->currentData().toInt() == int(HarbourFigures::Kind::Occupancy));
    });

    auto* label3 =
        new QLabel(tr("** If you have the need for a specific report, please contact our support team and we will "
                      "endevour to create the report that you are looking for **"),
                   this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    auto* cmdExit = button(QStringLiteral("cmdExit"), tr("Clos&e"), this);

    // The lists on the left, the money and the figures on the right: all of it in view on a small screen.
    auto* lists = new QVBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{frame1, cmdTodaysBooking, cmdTodaysCheckOuts, cmdArrivals, cmdDepartures,
                                         cmdAvailableBerths, cmdPaymentsDue, cmdRemindPaymentsDue, frame2})
        lists->addWidget(w);
    if (metered) {
        auto* cmdMeterLists = button(QStringLiteral("cmdMeterLists"), tr("&View meter lists..."), this);
        connect(cmdMeterLists, &QPushButton::clicked, this, [this] { MeterListsWindow::display(m_services, this); });
        lists->addWidget(cmdMeterLists);
    }
    lists->addStretch(1);
    auto* money = new QVBoxLayout;
    money->addWidget(fraTakings);
    money->addWidget(fraFigures);
    money->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(lists, 1);
    columns->addLayout(money, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(label3);
    layout->addWidget(cmdExit, 0, Qt::AlignRight);

    connect(cmdAllBooking, &QPushButton::clicked, this, [this] { showList(List::AllBookings); });
    connect(cmdTodaysBooking, &QPushButton::clicked, this, [this] { showList(List::TakenToday); });
    connect(cmdTodaysCheckOuts, &QPushButton::clicked, this, [this] { showList(List::CheckOutsToday); });
    connect(cmdArrivals, &QPushButton::clicked, this, [this] { showList(List::ArrivalsToday); });
    connect(cmdDepartures, &QPushButton::clicked, this, [this] { showList(List::DeparturesToday); });
    connect(command4, &QPushButton::clicked, this, [this] { showList(List::PeriodSales); });
    connect(cmdAvailableBerths, &QPushButton::clicked, this, &ReportManager::printBalanceDue);
    connect(cmdPaymentsDue, &QPushButton::clicked, this, &ReportManager::showPaymentsDue);
    connect(cmdRemindPaymentsDue, &QPushButton::clicked, this, &ReportManager::remindPaymentsDue);
    connect(cmdCashUp, &QPushButton::clicked, this, &ReportManager::showCashUp);
    connect(cmdExportCashUp, &QPushButton::clicked, this, &ReportManager::exportCashUp);
    connect(cmdExportPayments, &QPushButton::clicked, this, &ReportManager::exportPayments);
    connect(cmdShowFigure, &QPushButton::clicked, this, &ReportManager::showFigure);
    connect(cmdExit, &QPushButton::clicked, this, &ChildWindow::closeWithFrame);

    // The sales period starts empty, on today's whole day: From at its first minute, To taking in all of it.
    const QDateTime today = DateTimes::dateOnly(m_services.clock.now());
    m_dtpFrom1->setEmpty(today);
    m_dtpTo1->setEmpty(today);
    // The takings start on today, as the office counts them at closing.
    m_dtpTakingsFrom->setValue(today);
    m_dtpTakingsTo->setValue(today);
    // The figures start on the last twelve months.
    m_dtpFiguresTo->setDate(today.date());
    m_dtpFiguresFrom->setDate(today.date().addYears(-1).addDays(1));
    resize(700, 520);
}

ReportManager* ReportManager::display(IWindowHost& host, Services& services)
{
    auto* window = qobject_cast<ReportManager*>(host.findWindow(QStringLiteral("frmReports")));
    if (!window)
        window = new ReportManager(host, services);
    const QDateTime now = services.clock.now();
    window->m_dtpFrom->setValue(now);
    window->m_dtpTo->setValue(now);
    host.showChild(window);
    return window;
}

void ReportManager::showList(List list)
{
    const bool sales = list == List::PeriodSales;
    const auto table = BookingReports::build(m_services.db(), list, (sales ? m_dtpFrom1 : m_dtpFrom)->value(),
                                             (sales ? m_dtpTo1 : m_dtpTo)->value(), m_services.clock.now());
    if (!table) {
        m_services.messages.show(tr("The list could not be read: %1").arg(table.error()), Texts::productTitle(),
                                 MsgIcon::Critical);
        return;
    }
    if (table->rows.isEmpty()) {
        m_services.messages.show(tr("Nothing to print!"), Texts::productTitle());
        return;
    }
    const Doc::Document document = ReportLayouts::layout(list, *table);
    DocumentRenderer::preview(document, this, &m_services, ReportLayouts::namesOf(list).caption);
}

void ReportManager::printBalanceDue()
{
    const auto rows = BookingReports::balanceDue(m_services.db());
    if (!rows) {
        m_services.messages.show(tr("The list could not be read: %1").arg(rows.error()), Texts::productTitle(),
                                 MsgIcon::Critical);
        return;
    }
    // Printed whatever it holds, an empty list included; without a printer it is offered as a PDF file.
    DocumentRenderer::printNow(ReportLayouts::outstanding(*rows, m_services.clock.now()), m_services,
                               QStringLiteral("Outstanding"));
}

namespace {
Result<QList<Ledger::Owing>> owingOn(const QSqlDatabase& db, const QDate& today)
{
    const auto terms = PaymentTerms::load(db);
    if (!terms)
        return terms.failure();
    return Ledger::owing(db, *terms, today);
}
} // namespace

void ReportManager::showPaymentsDue()
{
    const QDateTime now = m_services.clock.now();
    const auto rows = owingOn(m_services.db(), now.date());
    if (!rows) {
        m_services.messages.show(tr("The list could not be read: %1").arg(rows.error()), Texts::productTitle(),
                                 MsgIcon::Critical);
        return;
    }
    if (rows->isEmpty()) {
        m_services.messages.show(tr("No booking has money owing."), Texts::productTitle());
        return;
    }
    DocumentRenderer::preview(ReportLayouts::paymentsDue(*rows, now), this, &m_services, tr("Payments due"));
}

void ReportManager::remindPaymentsDue()
{
    const QDateTime now = m_services.clock.now();
    const auto rows = owingOn(m_services.db(), now.date());
    if (!rows) {
        m_services.messages.show(tr("The list could not be read: %1").arg(rows.error()), Texts::productTitle(),
                                 MsgIcon::Critical);
        return;
    }
    QList<int> owing;
    for (const Ledger::Owing& row : *rows)
        owing << row.bookingId;
    RemindersWindow::display(m_services, this, owing);
}

std::optional<std::pair<QDate, QDate>> ReportManager::takingsPeriod()
{
    const auto from = m_dtpTakingsFrom->value();
    const auto to = m_dtpTakingsTo->value();
    const QDate today = m_services.clock.now().date();
    const QDate first = from ? from->date() : QDate(today.year(), 1, 1);
    const QDate last = to ? to->date() : today;
    if (last < first) {
        m_services.messages.show(tr("The period ends before it starts."), Texts::productTitle(), MsgIcon::Exclamation);
        return std::nullopt;
    }
    return std::pair{first, last};
}

void ReportManager::exportPayments()
{
    if (const auto period = takingsPeriod())
        ExportMenu::exportPayments(m_services, period->first, period->second);
}

std::optional<Ledger::CashUp> ReportManager::readCashUp()
{
    const auto period = takingsPeriod();
    if (!period)
        return std::nullopt;
    auto cash = Ledger::cashUp(m_services.db(), period->first, period->second);
    if (!cash) {
        m_services.messages.show(tr("The cash-up could not be read: %1").arg(cash.error()), Texts::productTitle(),
                                 MsgIcon::Critical);
        return std::nullopt;
    }
    return std::move(*cash);
}

void ReportManager::showCashUp()
{
    if (const auto cash = readCashUp())
        DocumentRenderer::preview(CashUpReport::document(*cash, m_services.clock.now()), this, &m_services,
                                  CashUpReport::fileName(*cash));
}

void ReportManager::showTodaysCashUp()
{
    const QDateTime today = DateTimes::dateOnly(m_services.clock.now());
    m_dtpTakingsFrom->setValue(today);
    m_dtpTakingsTo->setValue(today);
    showCashUp();
}

void ReportManager::exportCashUp()
{
    if (const auto cash = readCashUp())
        ExportMenu::exportTable(m_services, CashUpReport::table(*cash), CashUpReport::fileName(*cash),
                                tr("Export Cash-up"));
}

void ReportManager::showFigure()
{
    HarbourFigures::Request request;
    request.kind = HarbourFigures::Kind(m_cboFigure->currentData().toInt());
    request.first = m_dtpFiguresFrom->date();
    request.last = m_dtpFiguresTo->date();
    request.step = BookingFigures::Step(m_cboStep->currentData().toInt());
    const auto figure = HarbourFigures::build(m_services.db(), request);
    if (!figure) {
        const bool refusedHere = figure.kind() == FailureKind::Refused;
        m_services.messages.show(refusedHere ? figure.error()
                                             : tr("The figures could not be read: %1").arg(figure.error()),
                                 Texts::productTitle(), refusedHere ? MsgIcon::Exclamation : MsgIcon::Critical);
        return;
    }
    FigureWindow::display(m_host, m_services, *figure);
}
