#include "outputs/frmReports.h"

#include "core/Seams.h"
#include "core/modFunctions.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/OptionalDateEdit.h"
#include "outputs/ReportLayouts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

using ReportData::List;

namespace {
const QString MessageTitle = QStringLiteral("Zem Harbour");

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* PeriodFrame(const QString& name, OptionalDateEdit* from, OptionalDateEdit* to, QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("From:"), from);
    form->addRow(QStringLiteral("To:"), to);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(form);
    return frame;
}
} // namespace

frmReports::frmReports(Services& services, QWidget* parent)
    : ChildWindow(parent), m_services(services), m_dtpFrom(new OptionalDateEdit(QStringLiteral("dtpFrom"), this)),
      m_dtpTo(new OptionalDateEdit(QStringLiteral("dtpTo"), this)),
      m_dtpFrom1(new OptionalDateEdit(QStringLiteral("dtpFrom1"), this)),
      m_dtpTo1(new OptionalDateEdit(QStringLiteral("dtpTo1"), this))
{
    setObjectName(QStringLiteral("frmReports"));
    setWindowTitle(QStringLiteral("Report Manager"));

    QGroupBox* frame1 = PeriodFrame(QStringLiteral("Frame1"), m_dtpFrom, m_dtpTo, this);
    auto* cmdAllBooking =
        Button(QStringLiteral("cmdAllBooking"), QStringLiteral("List of all up comming bookings"), frame1);
    frame1->layout()->addWidget(cmdAllBooking);

    auto* cmdTodaysBooking =
        Button(QStringLiteral("cmdTodaysBooking"), QStringLiteral("List of bookings taken today"), this);
    auto* cmdTodaysCheckOuts = Button(QStringLiteral("cmdTodaysCheckOuts"),
                                      QStringLiteral("List of todays checkouts left to be completed"), this);
    auto* cmdAvailableBerths =
        Button(QStringLiteral("cmdAvailableBerths"), QStringLiteral("Outstanding Balance A/Cs"), this);

    QGroupBox* frame2 = PeriodFrame(QStringLiteral("Frame2"), m_dtpFrom1, m_dtpTo1, this);
    auto* command4 = Button(QStringLiteral("Command4"), QStringLiteral("Period sales summary"), frame2);
    frame2->layout()->addWidget(command4);

    auto* label3 =
        new QLabel(QStringLiteral("** If you have the need for a specific report, please contact our support "
                                  "team and we will endevour to create the report that you are looking "
                                  "for **"),
                   this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    auto* cmdExit = Button(QStringLiteral("cmdExit"), QStringLiteral("Close"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(cmdTodaysBooking);
    layout->addWidget(cmdTodaysCheckOuts);
    layout->addWidget(cmdAvailableBerths);
    layout->addWidget(frame2);
    layout->addWidget(label3);
    layout->addStretch(1);
    layout->addWidget(cmdExit, 0, Qt::AlignRight);

    connect(cmdAllBooking, &QPushButton::clicked, this, [this] { ShowList(List::AllBookings); });
    connect(cmdTodaysBooking, &QPushButton::clicked, this, [this] { ShowList(List::TakenToday); });
    connect(cmdTodaysCheckOuts, &QPushButton::clicked, this, [this] { ShowList(List::CheckOutsToday); });
    connect(command4, &QPushButton::clicked, this, [this] { ShowList(List::PeriodSales); });
    connect(cmdAvailableBerths, &QPushButton::clicked, this, &frmReports::PrintBalanceDue);
    connect(cmdExit, &QPushButton::clicked, this, [this] {
        // The frame around the window goes with it.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });

    // The sales period starts empty, on today's whole day: From at its first minute, To taking in all of it.
    const QDateTime today = modFunctions::DateOnly(m_services.clock.Now());
    m_dtpFrom1->SetEmpty(today);
    m_dtpTo1->SetEmpty(today);
    resize(460, 520);
}

frmReports* frmReports::Display(IWindowHost& host, Services& services)
{
    auto* window = qobject_cast<frmReports*>(host.FindChild(QStringLiteral("frmReports")));
    if (!window)
        window = new frmReports(services);
    const QDateTime now = services.clock.Now();
    window->m_dtpFrom->SetValue(now);
    window->m_dtpTo->SetValue(now);
    host.ShowChild(window);
    return window;
}

void frmReports::ShowList(List list)
{
    const bool sales = list == List::PeriodSales;
    QString error;
    const auto table = ReportData::Build(m_services.Db(), list, (sales ? m_dtpFrom1 : m_dtpFrom)->Value(),
                                         (sales ? m_dtpTo1 : m_dtpTo)->Value(), m_services.clock.Now(), &error);
    if (!table) {
        m_services.messages.Show(QStringLiteral("The list could not be read: %1").arg(error), MessageTitle,
                                 MsgIcon::Critical);
        return;
    }
    if (table->rows.isEmpty()) {
        m_services.messages.Show(QStringLiteral("Nothing to print!"), MessageTitle);
        return;
    }
    const Doc::Document document = ReportLayouts::Layout(list, *table);
    DocumentRenderer::Preview(document, this, &m_services, ReportLayouts::NamesOf(list).caption);
}

void frmReports::PrintBalanceDue()
{
    QString error;
    const auto rows = ReportData::BalanceDue(m_services.Db(), &error);
    if (!rows) {
        m_services.messages.Show(QStringLiteral("The list could not be read: %1").arg(error), MessageTitle,
                                 MsgIcon::Critical);
        return;
    }
    // Printed whatever it holds, an empty list included; without a printer it is offered as a PDF file.
    DocumentRenderer::PrintNow(ReportLayouts::Outstanding(*rows, m_services.clock.Now()), m_services,
                               QStringLiteral("Outstanding"));
}
