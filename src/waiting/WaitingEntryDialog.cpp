#include "waiting/WaitingEntryDialog.h"
#include "core/DateTimes.h"
#include "core/ui/ChangedMeanwhile.h"

#include "bookings/BookingStore.h"
#include "core/Lengths.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "people/Boats.h"
#include "people/NamePicker.h"
#include "people/PeopleWidgets.h"
#include "rates/RateStore.h"
#include "waiting/WaitingListRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename Box> Box* named(Box* box, const char* name)
{
    box->setObjectName(QLatin1String(name));
    return box;
}

QString shownSize(std::optional<int> cm)
{
    return cm ? Lengths::number(*cm) : QString();
}

} // namespace

WaitingEntryDialog::WaitingEntryDialog(Services& services, const WaitingEntry& loaded, QWidget* parent)
    : QDialog(parent), m_services(services), m_loaded(loaded)
{
    setObjectName(QStringLiteral("frmWaitingEntry"));
    setWindowTitle(loaded.id ? tr("Edit Waiting Entry") : tr("Add Waiting Entry"));
    setModal(true);

    cboCustomer = named(new NamePicker(services, this), "cboCustomer");
    cboBoat = named(new NamePicker(services, this), "cboBoat");
    dtpFrom = named(new DateBox(this), "dtpFrom");
    chkAnyLength = named(new QCheckBox(tr("&Any length of stay"), this), "chkAnyLength");
    dtpTo = named(new DateBox(this), "dtpTo");
    cboBerthType = named(new QComboBox(this), "cboBerthType");
    txtMinLength = named(new QLineEdit(this), "txtMinLength");
    txtNotes = named(new QPlainTextEdit(this), "txtNotes");
    txtNotes->setTabChangesFocus(true);
    connect(cboCustomer, &QComboBox::currentIndexChanged, this, &WaitingEntryDialog::loadBoats);
    connect(chkAnyLength, &QCheckBox::toggled, dtpTo, &QWidget::setDisabled);

    auto* form = new QFormLayout;
    form->addRow(tr("C&ustomer:"), cboCustomer);
    form->addRow(tr("&Boat:"), cboBoat);
    form->addRow(tr("&From:"), dtpFrom);
    form->addRow(QString(), chkAnyLength);
    form->addRow(tr("&To:"), dtpTo);
    form->addRow(tr("Berth t&ype:"), cboBerthType);
    form->addRow(Lengths::shownUnit() == Lengths::Unit::Feet ? tr("&Minimum length (ft):") : tr("&Minimum length (m):"),
                 txtMinLength);
    form->addRow(tr("&Notes:"), txtNotes);

    auto* fields = new QWidget(this);
    fields->setLayout(form);
    const auto [ok, cancel] = PeopleWidgets::finishRecordDialog(
        this, fields, [this] { save(); }, tr("&OK"));
    // Enter moves between the fields, so neither button takes it as a default.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
}

Status WaitingEntryDialog::load()
{
    const QSqlDatabase db = m_services.db();
    const auto customers = BookingStore::customerChoices(db);
    if (!customers)
        return customers.failure();
    const auto types = RateStore::berthTypes(db);
    if (!types)
        return types.failure();
    {
        const QSignalBlocker quiet(cboCustomer);
        cboCustomer->setChoices(PickerChoices::customers(*customers));
        cboCustomer->setCurrentIndex(m_loaded.customerId ? cboCustomer->findData(m_loaded.customerId) : -1);
    }
    cboBerthType->addItem(tr("Any type"));
    for (const Sql::LookupItem& t : *types)
        cboBerthType->addItem(t.text, t.id);
    showEntry(m_loaded);
    cboCustomer->setFocus();
    return Done{};
}

void WaitingEntryDialog::showEntry(const WaitingEntry& entry)
{
    {
        const QSignalBlocker quiet(cboCustomer);
        cboCustomer->setCurrentIndex(entry.customerId ? cboCustomer->findData(entry.customerId) : -1);
    }
    loadBoats();
    if (entry.boatId)
        cboBoat->setCurrentIndex(std::max(0, cboBoat->findData(*entry.boatId)));
    cboBerthType->setCurrentIndex(entry.berthTypeId ? std::max(0, cboBerthType->findData(*entry.berthTypeId)) : 0);
    const QDate today = m_services.clock.now().date();
    dtpFrom->setDate(entry.from.isValid() ? entry.from : today);
    chkAnyLength->setChecked(entry.id && !entry.to.isValid());
    dtpTo->setDate(entry.to.isValid() ? entry.to : dtpFrom->date().addDays(7));
    txtMinLength->setText(shownSize(entry.minLengthCm));
    txtNotes->setPlainText(entry.notes);
}

// The chosen customer's boats after "(no boat)"; a failed read is told and leaves only "(no boat)".
void WaitingEntryDialog::loadBoats()
{
    const QList<PickerChoices::Choice> none{{0, tr("(no boat)")}};
    cboBoat->setChoices(PickerChoices(), none);
    cboBoat->setCurrentIndex(0);
    const int customer = cboCustomer->currentIndex() < 0 ? 0 : cboCustomer->currentData().toInt();
    if (customer <= 0)
        return;
    const auto boats = Boats::choicesOf(m_services.db(), customer);
    if (!boats) {
        m_services.messages.show(tr("The customer's boats could not be read: %1").arg(boats.error()), windowTitle(),
                                 MsgIcon::Critical);
        return;
    }
    cboBoat->setChoices(PickerChoices(*boats), none);
    cboBoat->setCurrentIndex(0);
}

std::optional<WaitingEntry> WaitingEntryDialog::typed()
{
    WaitingEntry entry = m_loaded;
    entry.customerId = cboCustomer->currentIndex() < 0 ? 0 : cboCustomer->currentData().toInt();
    entry.boatId = cboBoat->currentIndex() > 0 ? std::optional(cboBoat->currentData().toInt()) : std::nullopt;
    entry.from = dtpFrom->date();
    entry.to = chkAnyLength->isChecked() ? QDate() : dtpTo->date();
    entry.berthTypeId =
        cboBerthType->currentIndex() > 0 ? std::optional(cboBerthType->currentData().toInt()) : std::nullopt;
    entry.minLengthCm.reset();
    if (const QString length = txtMinLength->text().trimmed(); !length.isEmpty()) {
        entry.minLengthCm = Lengths::parse(length, Boats::MaximumCm);
        if (!entry.minLengthCm) {
            m_services.messages.show(Lengths::shownUnit() == Lengths::Unit::Feet
                                         ? tr("Type the minimum length in feet, such as 38.")
                                         : tr("Type the minimum length in metres, such as 11.5."),
                                     windowTitle(), MsgIcon::Exclamation);
            txtMinLength->setFocus();
            return std::nullopt;
        }
    }
    entry.notes = txtNotes->toPlainText();
    // A change is checked by the store only where the period or the length moved; the customer always counts.
    if (entry.customerId <= 0) {
        m_services.messages.show(WaitingList::check(entry, m_services.clock.now().date()).error(), windowTitle(),
                                 MsgIcon::Exclamation);
        cboCustomer->setFocus();
        return std::nullopt;
    }
    return entry;
}

void WaitingEntryDialog::save()
{
    const auto entry = typed();
    if (!entry)
        return;
    const QDateTime now = m_services.clock.now();
    std::optional<FieldChanges::Merge<WaitingEntry>> merge;
    const auto addEntry = [&]() -> Status {
        const Result<int> id = WaitingList::add(m_services.db(), *entry, now);
        return id ? Status(Done{}) : Status(id.failure());
    };
    const Status saved =
        m_loaded.id ? WaitingList::modify(m_services.db(), m_loaded, *entry, now.date(), &merge) : addEntry();
    if (saved) {
        accept();
        return;
    }
    if (merge && !merge->conflicts().isEmpty()) {
        // Both desks changed some fields: the person sees which and chooses; the rest of both is kept.
        const Meanwhile choice =
            askAboutChanges(m_services.messages, windowTitle(), tr("waiting entry"), merge->conflicts());
        m_loaded = merge->theirs();
        showEntry(merge->chosen(choice == Meanwhile::KeepTheirs));
        if (choice != Meanwhile::GoBack)
            save(); // merged again with whatever else was stored since
        return;
    }
    // A refusal, or the entry removed at another desk: told, and everything typed stays.
    m_services.messages.show(saved.error(), windowTitle(),
                             saved.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
}
