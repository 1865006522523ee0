#include "shell/ClosedPeriodDialog.h"

#include "core/ClosedPeriods.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Seams.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
// The months a clerk may be asked about: the last five years up to the one before this.
constexpr int MonthsOffered = 60;
} // namespace

ClosedPeriodDialog::ClosedPeriodDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmClosedMonths"));
    setWindowTitle(tr("Closed Months"));
    m_cboMonth = new QComboBox(this);
    m_cboMonth->setObjectName(QStringLiteral("cboMonth"));
    const QDate today = m_services.clock.now().date();
    QDate month(today.year(), today.month(), 1);
    for (int i = 0; i < MonthsOffered; ++i) {
        month = month.addMonths(-1);
        m_cboMonth->addItem(ClosedPeriods::monthName(month), month);
    }
    auto* lblMonth = new QLabel(tr("&Month:"), this);
    lblMonth->setBuddy(m_cboMonth);
    m_cmdClose = new QPushButton(tr("Close the mon&th"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdCloseMonth"));
    m_cmdReopen = new QPushButton(tr("&Reopen the month"), this);
    m_cmdReopen->setObjectName(QStringLiteral("cmdReopenMonth"));
    m_cmdClose->setEnabled(ClosedPeriods::allowed(ClosedPeriods::Act::Close));
    m_cmdReopen->setEnabled(ClosedPeriods::allowed(ClosedPeriods::Act::Reopen));
    m_lstRecord = new QTreeWidget(this);
    m_lstRecord->setObjectName(QStringLiteral("lstClosedMonths"));
    m_lstRecord->setRootIsDecorated(false);
    m_lstRecord->setHeaderLabels({tr("Month"), tr("Done"), tr("Who"), tr("Desk"), tr("When")});
    auto* cmdDone = new QPushButton(tr("Close"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    connect(m_cmdClose, &QPushButton::clicked, this, [this] { act(true); });
    connect(m_cmdReopen, &QPushButton::clicked, this, [this] { act(false); });
    connect(cmdDone, &QPushButton::clicked, this, &QDialog::accept);
    auto* hint = new QLabel(tr("A closed month's bookings (by their departure) and ledger lines can no longer be "
                               "changed: they are put right by lines dated today."),
                            this);
    hint->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(hint, 0, 0, 1, 4);
    layout->addWidget(lblMonth, 1, 0);
    layout->addWidget(m_cboMonth, 1, 1);
    layout->addWidget(m_cmdClose, 1, 2);
    layout->addWidget(m_cmdReopen, 1, 3);
    layout->addWidget(m_lstRecord, 2, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDone);
    layout->addLayout(buttons, 3, 0, 1, 4);
    resize(640, 380);
}

bool ClosedPeriodDialog::load()
{
    const auto record = ClosedPeriods::record(m_services.db());
    if (!record) {
        m_services.messages.show(tr("The closed months could not be read: %1").arg(record.error()), windowTitle(),
                                 MsgIcon::Exclamation);
        return false;
    }
    m_lstRecord->clear();
    for (const ClosedPeriods::Entry& entry : *record)
        new QTreeWidgetItem(m_lstRecord,
                            {ClosedPeriods::monthName(entry.month), entry.closed ? tr("Closed") : tr("Reopened"),
                             entry.who, entry.desk, DateTimes::dateTimeText(entry.at)});
    return true;
}

void ClosedPeriodDialog::act(bool close)
{
    const QDate month = m_cboMonth->currentData().toDate();
    const QString name = ClosedPeriods::monthName(month);
    const QString question =
        close ? tr("Close %1? Its bookings and ledger lines can then only be put right by lines dated today.").arg(name)
              : tr("Reopen %1? Its bookings and ledger lines can then be changed again.").arg(name);
    if (m_services.messages.show(question, windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const Status done = close ? ClosedPeriods::close(m_services.db(), month, m_services.clock.now().date())
                              : ClosedPeriods::reopen(m_services.db(), month);
    if (done)
        m_services.events.log(close ? EventLog::MonthClosed : EventLog::MonthReopened, name);
    else
        m_services.messages.show(done.error(), windowTitle(), MsgIcon::Exclamation);
    load();
}

void ClosedPeriodDialog::display(Services& services, QWidget* parent)
{
    ClosedPeriodDialog dialog(services, parent);
    if (dialog.load())
        dialog.exec();
}
