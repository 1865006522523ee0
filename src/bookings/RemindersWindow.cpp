#include "bookings/RemindersWindow.h"

#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/Twips.h"
#include "core/ui/WindowPlacement.h"
#include "mail/MailSettings.h"
#include "mail/MailTemplates.h"
#include "mail/OutboxSender.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RemindersWindow::RemindersWindow(Services& services, QWidget* parent, std::optional<QList<int>> chosen)
    : QDialog(parent), m_services(services), m_chosen(std::move(chosen))
{
    setObjectName(QStringLiteral("frmReminders"));
    setWindowTitle(tr("Reminders"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstReminders"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Booking"), tr("Customer"), tr("E-mail"), tr("Reminder"), tr("Amount"), tr("Due by")});
    m_lblSummary = new QLabel(this);
    m_lblSummary->setObjectName(QStringLiteral("lblSummary"));
    m_lblSummary->setWordWrap(true);
    m_cmdSend = new QPushButton(tr("&Send the ticked reminders"), this);
    m_cmdSend->setObjectName(QStringLiteral("cmdSend"));
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(m_cmdSend, &QPushButton::clicked, this, [this] { sendChosen(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemChanged, this, [this] {
        int ticked = 0;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            ticked += m_list->topLevelItem(i)->checkState(0) == Qt::Checked ? 1 : 0;
        m_cmdSend->setEnabled(ticked > 0 && MailSettings::isSetUp());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdSend);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_lblSummary);
    layout->addLayout(buttons);
    resize(Twips::toPixelsX(10000, this), Twips::toPixelsY(6000, this));
    WindowPlacement::keepSize(this, this);
    reload();
}

void RemindersWindow::display(Services& services, QWidget* parent, std::optional<QList<int>> chosen)
{
    RemindersWindow window(services, parent, std::move(chosen));
    window.exec();
}

void RemindersWindow::reload()
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const QDate today = m_services.clock.now().date();
    auto proposed = m_chosen ? BookingMail::remindersFor(m_services.db(), *m_chosen, today)
                             : BookingMail::proposals(m_services.db(), BookingMail::Rules::load(), today);
    if (!proposed) {
        m_proposed.clear();
        m_lblSummary->setText(tr("The reminders could not be read: %1").arg(proposed.error()));
        m_cmdSend->setEnabled(false);
        return;
    }
    m_proposed = std::move(*proposed);
    int ticked = 0;
    for (qsizetype i = 0; i < m_proposed.size(); ++i) {
        const auto& r = m_proposed[i];
        const QString what =
            r.overdue ? tr("%1 (overdue)").arg(MailTemplates::kindCaption(r.kind)) : MailTemplates::kindCaption(r.kind);
        auto* row = new QTreeWidgetItem(
            m_list, {r.confirmationNumber.isEmpty() ? QString::number(r.bookingId) : r.confirmationNumber, r.customer,
                     r.address.isEmpty() ? tr("(no address)") : r.address, what, r.amount.format(),
                     DateTimes::dateText(r.dueBy)});
        row->setData(0, Qt::UserRole, int(i));
        row->setTextAlignment(4, Qt::AlignRight);
        if (r.address.isEmpty()) {
            row->setFlags(row->flags() & ~Qt::ItemIsUserCheckable & ~Qt::ItemIsEnabled);
        } else {
            row->setCheckState(0, Qt::Checked);
            ++ticked;
        }
    }
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_list->resizeColumnToContents(c);
    QString summary = !m_proposed.isEmpty() ? tr("%n reminder(s) due today; untick any that should not go.", "",
                                                 static_cast<int>(m_proposed.size()))
                      : m_chosen            ? tr("The bookings chosen owe nothing that has not been reminded already.")
                                            : tr("No reminders are due today.");
    if (!MailSettings::isSetUp())
        summary += u' ' + MailSettings::notSetUpText();
    m_lblSummary->setText(summary);
    m_cmdSend->setEnabled(ticked > 0 && MailSettings::isSetUp());
}

int RemindersWindow::sendChosen()
{
    QList<BookingMail::Reminder> chosen;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked)
            chosen << m_proposed.at(row->data(0, Qt::UserRole).toInt());
    }
    if (chosen.isEmpty())
        return 0;
    const auto queued = BookingMail::queueReminders(m_services.db(), chosen, m_services.clock.now(), Actor::label());
    if (!queued) {
        if (queued.kind() == FailureKind::Database)
            MessageLog::logError(QStringLiteral("Queuing reminders: ") + queued.error());
        m_services.messages.show(tr("No reminder was queued: %1").arg(queued.error()), windowTitle(),
                                 MsgIcon::Exclamation);
        reload();
        return 0;
    }
    m_services.events.log(EventLog::RemindersQueued, tr("%n reminder(s)", "", *queued));
    if (OutboxSender* sender = OutboxSender::running())
        sender->wake();
    m_services.messages.show(tr("%n reminder(s) are in the outbox and go out in the background.", "", *queued),
                             windowTitle(), MsgIcon::Information);
    reload();
    return *queued;
}
