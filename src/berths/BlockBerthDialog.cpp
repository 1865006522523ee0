#include "berths/BlockBerthDialog.h"

#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"
#include "core/ui/ChangedMeanwhile.h"
#include "core/ui/DateBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

BlockBerthDialog::BlockBerthDialog(Services& services, const BerthBlocks::Block& loaded, QWidget* parent)
    : QDialog(parent), cboBlockBerth(new QComboBox(this)), dtpBlockFrom(new DateBox(this)),
      dtpBlockTo(new DateBox(this)), txtBlockReason(new QLineEdit(this)), m_services(services), m_loaded(loaded)
{
    setObjectName(QStringLiteral("frmBlockBerth"));
    setWindowTitle(tr("Block Berth"));
    cboBlockBerth->setObjectName(QStringLiteral("cboBlockBerth"));
    dtpBlockFrom->setObjectName(QStringLiteral("dtpBlockFrom"));
    dtpBlockTo->setObjectName(QStringLiteral("dtpBlockTo"));
    txtBlockReason->setObjectName(QStringLiteral("txtBlockReason"));
    txtBlockReason->setMaxLength(BerthBlocks::MaxReasonLength);
    for (DateBox* box : {dtpBlockFrom, dtpBlockTo})
        box->setDateRange(QDate(2000, 1, 1), QDate(2199, 12, 31));

    QString error;
    auto berths = Sql::readLookup(services.db(), QStringLiteral("SELECT ID, Name FROM Berth"), &error)
                      .value_or(QList<Sql::LookupItem>());
    Texts::sortNaturally(berths, [](const Sql::LookupItem& berth) { return berth.text; });
    for (const Sql::LookupItem& berth : berths)
        cboBlockBerth->addItem(berth.text, berth.id);

    auto* form = new QFormLayout;
    form->addRow(tr("&Berth:"), cboBlockBerth);
    form->addRow(tr("&From:"), dtpBlockFrom);
    form->addRow(tr("&To (the last day blocked):"), dtpBlockTo);
    form->addRow(tr("&Reason:"), txtBlockReason);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdBlockRemove = buttons->addButton(tr("Re&move Block"), QDialogButtonBox::DestructiveRole);
    cmdBlockRemove->setObjectName(QStringLiteral("cmdBlockRemove"));
    cmdBlockRemove->setVisible(loaded.id != 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &BlockBerthDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdBlockRemove, &QPushButton::clicked, this, &BlockBerthDialog::removeBlock);
    connect(dtpBlockFrom, &QDateEdit::dateChanged, this, [this](const QDate& from) {
        if (dtpBlockTo->date() < from)
            dtpBlockTo->setDate(from);
    });
    showBlock(loaded);
    if (!error.isEmpty())
        m_services.messages.show(tr("The berths cannot be read.\n%1").arg(error), windowTitle(), MsgIcon::Critical);
}

bool BlockBerthDialog::edit(Services& services, const BerthBlocks::Block& loaded, QWidget* parent)
{
    BlockBerthDialog dialog(services, loaded, parent);
    return dialog.exec() == QDialog::Accepted;
}

void BlockBerthDialog::showBlock(const BerthBlocks::Block& block)
{
    cboBlockBerth->setCurrentIndex(qMax(0, cboBlockBerth->findData(block.berthId)));
    const QDate today = m_services.clock.now().date();
    const QDate from = block.from.isValid() ? block.from.date() : today;
    dtpBlockFrom->setDate(from);
    // Whole days: a block to 00:00 of a day ends with the day before.
    const QDate to = block.to.isValid() ? block.to.addSecs(-1).date() : from;
    dtpBlockTo->setDate(std::max(from, to));
    txtBlockReason->setText(block.reason);
}

BerthBlocks::Block BlockBerthDialog::typed() const
{
    BerthBlocks::Block block;
    block.id = m_loaded.id;
    block.berthId = cboBlockBerth->currentData().toInt();
    block.berthName = cboBlockBerth->currentText();
    block.from = DateTimes::wallTime(dtpBlockFrom->date());
    block.to = DateTimes::wallTime(dtpBlockTo->date().addDays(1));
    block.reason = txtBlockReason->text().trimmed();
    return block;
}

void BlockBerthDialog::save()
{
    if (!dtpBlockFrom->commitTyped() || !dtpBlockTo->commitTyped())
        return;
    const BerthBlocks::Block block = typed();
    if (const Status checked = BerthBlocks::check(block); !checked) {
        m_services.messages.show(checked.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    const auto inTheWay = BerthBlocks::bookingsInTheWay(m_services.db(), block);
    if (!inTheWay) {
        m_services.messages.show(inTheWay.error(), windowTitle(), MsgIcon::Critical);
        return;
    }
    QList<int> confirmed;
    if (!inTheWay->isEmpty()) {
        QStringList lines;
        for (const BerthBlocks::BookingInTheWay& b : *inTheWay) {
            lines << tr("Booking %1: %2, %3 to %4")
                         .arg(b.bookingId)
                         .arg(b.customer, b.from.toString(DateTimes::dateTimeFormat()),
                              b.to.toString(DateTimes::dateTimeFormat()));
            confirmed << b.bookingId;
        }
        const MsgResult answer = m_services.messages.show(
            tr("These bookings hold %1 over the period:\n%2\n\nBlock the berth all the same? The bookings keep it and "
               "are marked on the booking chart to be moved.")
                .arg(block.berthName, lines.join(u'\n')),
            windowTitle(), MsgIcon::Question, MsgButtons::YesNo);
        if (answer != MsgResult::Yes)
            return;
    }
    const std::optional<BerthBlocks::Block> seen =
        m_loaded.id != 0 ? std::optional<BerthBlocks::Block>(m_loaded) : std::nullopt;
    std::optional<FieldChanges::Merge<BerthBlocks::Block>> merge;
    const auto saved = BerthBlocks::save(m_services.db(), block, confirmed, seen, &merge);
    if (!saved) {
        if (merge && !merge->conflicts().isEmpty()) {
            // Both desks changed some fields: the person sees which and chooses; the rest of both is kept.
            const Meanwhile choice =
                askAboutChanges(m_services.messages, windowTitle(), tr("block"), merge->conflicts());
            m_loaded = merge->theirs();
            showBlock(merge->chosen(choice == Meanwhile::KeepTheirs));
            if (choice != Meanwhile::GoBack)
                save(); // merged again with whatever else was stored since
            return;
        }
        // Removed meanwhile among them: told, and what was typed stays.
        m_services.messages.show(tr("The block was not saved.\n%1").arg(saved.error()), windowTitle(),
                                 saved.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
        return;
    }
    const BerthBlocks::Block written = merge ? merge->merged() : block;
    m_services.events.log(seen ? EventLog::BerthBlockModified : EventLog::BerthBlocked, BerthBlocks::describe(written));
    accept();
}

void BlockBerthDialog::removeBlock()
{
    if (m_services.messages.show(tr("Remove the block of %1?").arg(m_loaded.berthName), windowTitle(),
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    std::optional<BerthBlocks::Block> theirs;
    if (const Status removed = BerthBlocks::remove(m_services.db(), m_loaded, &theirs); !removed) {
        m_services.messages.show(tr("The block was not removed.\n%1").arg(removed.error()), windowTitle(),
                                 MsgIcon::Exclamation);
        if (theirs) {
            m_loaded = *theirs;
            showBlock(*theirs);
        } else if (removed.kind() == FailureKind::Conflict) {
            reject();
        }
        return;
    }
    m_services.events.log(EventLog::BerthBlockRemoved, BerthBlocks::describe(m_loaded));
    accept();
}
