#include "bookings/BookingMessagesPanel.h"

#include "core/DateTimes.h"
#include "core/Seams.h"
#include "core/ui/Twips.h"
#include "mail/MailTemplates.h"
#include "mail/Outbox.h"
#include "mail/OutboxSender.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
QString title()
{
    return QCoreApplication::translate("BookingMessagesPanel", "Messages");
}
} // namespace

BookingMessagesPanel::BookingMessagesPanel(Services& services, QWidget* parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("pnlMessages"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstMessages"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {tr("Queued"), tr("Message"), tr("To"), tr("Subject"), tr("State"), tr("Tries"), tr("Server's answer")});
    m_list->setMaximumHeight(Twips::toPixelsY(1300, this));
    m_cmdRetry = new QPushButton(tr("Re&send now"), this);
    m_cmdRetry->setObjectName(QStringLiteral("cmdResendMessage"));
    m_cmdEdit = new QPushButton(tr("Edit messa&ge..."), this);
    m_cmdEdit->setObjectName(QStringLiteral("cmdEditMessage"));
    for (QPushButton* b : {m_cmdRetry, m_cmdEdit}) {
        b->setAutoDefault(false);
        b->setEnabled(false);
    }
    connect(m_cmdRetry, &QPushButton::clicked, this, &BookingMessagesPanel::retry);
    connect(m_cmdEdit, &QPushButton::clicked, this, &BookingMessagesPanel::edit);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        const bool open = current && current->data(4, Qt::UserRole).toInt() != int(Outbox::State::Sent);
        m_cmdRetry->setEnabled(open);
        m_cmdEdit->setEnabled(open);
    });

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("E-mail sent about this booking:"), this), 0, 0, 1, 2);
    layout->addWidget(m_list, 1, 0, 3, 1);
    layout->addWidget(m_cmdRetry, 1, 1);
    layout->addWidget(m_cmdEdit, 2, 1);
    layout->setColumnStretch(0, 1);
}

void BookingMessagesPanel::show(int bookingId)
{
    m_bookingId = bookingId;
    m_list->clear();
    const auto items = Outbox::ofBooking(m_services.db(), bookingId);
    if (!items) {
        auto* row =
            new QTreeWidgetItem(m_list, {QString(), tr("The messages could not be read: %1").arg(items.error())});
        row->setFlags(Qt::NoItemFlags);
        return;
    }
    for (const Outbox::Item& item : *items) {
        auto* row = new QTreeWidgetItem(m_list, {DateTimes::dateTimeText(item.queuedAt),
                                                 MailTemplates::kindCaption(item.kind), item.toAddress, item.subject,
                                                 item.state == Outbox::State::Sent
                                                     ? tr("Sent %1").arg(DateTimes::dateTimeText(item.sentAt))
                                                     : Outbox::stateText(item.state),
                                                 QString::number(item.attempts), item.lastAnswer});
        row->setData(0, Qt::UserRole, item.id);
        row->setData(4, Qt::UserRole, int(item.state));
        row->setToolTip(6, item.lastAnswer);
    }
    m_cmdRetry->setEnabled(false);
    m_cmdEdit->setEnabled(false);
}

qint64 BookingMessagesPanel::chosenId() const
{
    const QTreeWidgetItem* row = m_list->currentItem();
    return row ? row->data(0, Qt::UserRole).toLongLong() : 0;
}

void BookingMessagesPanel::retry()
{
    const qint64 id = chosenId();
    if (id <= 0)
        return;
    if (Status ok = Outbox::retry(m_services.db(), id, m_services.clock.now()); !ok)
        m_services.messages.show(ok.error(), title(), MsgIcon::Exclamation);
    else if (OutboxSender* sender = OutboxSender::running())
        sender->wake();
    show(m_bookingId);
}

void BookingMessagesPanel::edit()
{
    const qint64 id = chosenId();
    const auto item = Outbox::read(m_services.db(), id);
    if (!item) {
        m_services.messages.show(item.error(), title(), MsgIcon::Exclamation);
        show(m_bookingId);
        return;
    }
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmOutboxMessage"));
    dialog.setWindowTitle(tr("Edit Message"));
    auto* to = new QLineEdit(item->toAddress, &dialog);
    to->setObjectName(QStringLiteral("txtTo"));
    auto* subject = new QLineEdit(item->subject, &dialog);
    subject->setObjectName(QStringLiteral("txtSubject"));
    auto* body = new QPlainTextEdit(item->body, &dialog);
    body->setObjectName(QStringLiteral("txtBody"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Queue again"));
    auto* form = new QFormLayout(&dialog);
    form->addRow(tr("&To:"), to);
    form->addRow(tr("&Subject:"), subject);
    form->addRow(tr("&Message:"), body);
    form->addRow(buttons);
    dialog.resize(Twips::toPixelsX(7000, this), Twips::toPixelsY(5000, this));
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        // What was typed stays in the boxes when it is refused.
        const Status ok =
            Outbox::edit(m_services.db(), id, to->text(), subject->text(), body->toPlainText(), m_services.clock.now());
        if (!ok) {
            m_services.messages.show(ok.error(), dialog.windowTitle(), MsgIcon::Exclamation);
            if (ok.kind() != FailureKind::Refused)
                dialog.reject();
            return;
        }
        dialog.accept();
    });
    if (dialog.exec() == QDialog::Accepted)
        if (OutboxSender* sender = OutboxSender::running())
            sender->wake();
    show(m_bookingId);
}
