#include "people/BoatDialog.h"
#include "core/ui/ChangedMeanwhile.h"

#include "core/DateTimes.h"
#include "core/InputParsing.h"
#include "core/Lengths.h"
#include "core/Seams.h"
#include "core/ui/OldReference.h"
#include "people/PeopleWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString shownSize(std::optional<int> cm)
{
    return cm ? Lengths::number(*cm) : QString();
}

template <typename Box> Box* named(Box* box, const char* name)
{
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

BoatDialog::BoatDialog(Services& services, const BoatRecord& loaded, QWidget* parent)
    : QDialog(parent), m_services(services), m_loaded(loaded)
{
    setObjectName(QStringLiteral("frmBoat"));
    setWindowTitle(loaded.id ? tr("Edit Boat or Vehicle") : tr("Add Boat or Vehicle"));
    setModal(true);

    txtBoatName = named(new QLineEdit(this), "txtBoatName");
    txtBoatName->setMaxLength(100);
    cboKind = named(new QComboBox(this), "cboKind");
    cboKind->addItems(Boats::kindNames());
    txtLength = named(new QLineEdit(this), "txtLength");
    txtBeam = named(new QLineEdit(this), "txtBeam");
    txtDraft = named(new QLineEdit(this), "txtDraft");
    txtHeight = named(new QLineEdit(this), "txtHeight");
    txtRegistration = named(new QLineEdit(this), "txtRegistration");
    txtInsuranceCompany = named(new QLineEdit(this), "txtInsuranceCompany");
    txtPolicyNumber = named(new QLineEdit(this), "txtPolicyNumber");
    txtInsuranceExpiry = named(new QLineEdit(this), "txtInsuranceExpiry");
    txtInsuranceExpiry->setPlaceholderText(DateTimes::dateShape());
    txtBoatNotes = named(new QPlainTextEdit(this), "txtBoatNotes");
    txtBoatNotes->setTabChangesFocus(true);
    for (QLineEdit* box : {txtRegistration, txtInsuranceCompany, txtPolicyNumber})
        box->setMaxLength(100);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), txtBoatName);
    form->addRow(tr("&Kind:"), cboKind);
    const bool feet = Lengths::shownUnit() == Lengths::Unit::Feet;
    form->addRow(feet ? tr("&Length overall (ft):") : tr("&Length overall (m):"), txtLength);
    form->addRow(feet ? tr("&Beam (ft):") : tr("&Beam (m):"), txtBeam);
    form->addRow(feet ? tr("&Draft (ft):") : tr("&Draft (m):"), txtDraft);
    form->addRow(feet ? tr("&Height (ft):") : tr("&Height (m):"), txtHeight);
    form->addRow(tr("&Registration or sail number:"), txtRegistration);
    form->addRow(tr("&Insurance company:"), txtInsuranceCompany);
    form->addRow(tr("&Policy number:"), txtPolicyNumber);
    form->addRow(tr("Insurance &expires:"), txtInsuranceExpiry);
    form->addRow(tr("No&tes:"), txtBoatNotes);
    m_txtOldRef = OldReference::addTo(form, this);

    auto* fields = new QWidget(this);
    fields->setLayout(form);
    const auto [ok, cancel] = PeopleWidgets::finishRecordDialog(
        this, fields, [this] { save(); }, tr("&OK"));
    // Enter moves between the fields, so neither button takes it as a default.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);

    showBoat(loaded);
    txtBoatName->setFocus();
}

void BoatDialog::showBoat(const BoatRecord& loaded)
{
    txtBoatName->setText(loaded.name);
    cboKind->setCurrentIndex(int(loaded.kind));
    txtLength->setText(shownSize(loaded.lengthCm));
    txtBeam->setText(shownSize(loaded.beamCm));
    txtDraft->setText(shownSize(loaded.draftCm));
    txtHeight->setText(shownSize(loaded.heightCm));
    txtRegistration->setText(loaded.registration);
    txtInsuranceCompany->setText(loaded.insuranceCompany);
    txtPolicyNumber->setText(loaded.policyNumber);
    txtInsuranceExpiry->setText(loaded.insuranceExpiry.isValid() ? DateTimes::dateText(loaded.insuranceExpiry)
                                                                 : QString());
    txtBoatNotes->setPlainText(loaded.notes);
    OldReference::show(m_txtOldRef, m_services.db(), QStringLiteral("Boat"), loaded.id);
}

// What the boxes hold; nothing, with the box pointed out, where a size or the date cannot be read.
std::optional<BoatRecord> BoatDialog::typed()
{
    BoatRecord boat = m_loaded;
    boat.name = txtBoatName->text().trimmed();
    boat.kind = BoatKind(cboKind->currentIndex());
    const auto refuse = [this](QWidget* box, const QString& text) {
        m_services.messages.show(text, windowTitle(), MsgIcon::Exclamation);
        box->setFocus();
        return std::nullopt;
    };
    for (auto [box, size] : {std::pair{txtLength, &boat.lengthCm}, std::pair{txtBeam, &boat.beamCm},
                             std::pair{txtDraft, &boat.draftCm}, std::pair{txtHeight, &boat.heightCm}}) {
        const QString text = box->text().trimmed();
        if (text.isEmpty()) {
            size->reset();
            continue;
        }
        const auto cm = Lengths::parse(text, Boats::MaximumCm);
        if (!cm)
            return refuse(box, Lengths::shownUnit() == Lengths::Unit::Feet
                                   ? tr("Type a size in feet, more than 0 and at most 656.")
                                   : tr("Type a size in metres, more than 0 and at most 200."));
        *size = *cm;
    }
    boat.registration = txtRegistration->text().trimmed();
    boat.insuranceCompany = txtInsuranceCompany->text().trimmed();
    boat.policyNumber = txtPolicyNumber->text().trimmed();
    const QString expiry = txtInsuranceExpiry->text().trimmed();
    boat.insuranceExpiry = QDate();
    if (!expiry.isEmpty()) {
        const Result<QDate> date = DateTimes::readDate(expiry, QDate());
        if (!date)
            return refuse(txtInsuranceExpiry, date.error());
        boat.insuranceExpiry = *date;
    }
    boat.notes = txtBoatNotes->toPlainText();
    return boat;
}

void BoatDialog::save()
{
    const auto boat = typed();
    if (!boat)
        return;
    if (m_loaded.id == 0 && m_loaded.customerId == 0) {
        // A new caller's boat: checked now, saved with the booking once its customer is known.
        if (const Status checked = Boats::check(*boat); !checked) {
            m_services.messages.show(checked.error(), windowTitle(), MsgIcon::Exclamation);
            return;
        }
        m_saved = *boat;
    } else if (m_loaded.id == 0) {
        const Result<int> id = Boats::add(m_services.db(), *boat);
        if (!id) {
            m_services.messages.show(id.error(), windowTitle(), MsgIcon::Exclamation);
            return;
        }
        m_saved = *boat;
        m_saved.id = *id;
    } else {
        std::optional<FieldChanges::Merge<BoatRecord>> merge;
        if (const Status stored = Boats::modify(m_services.db(), m_loaded, *boat, &merge); !stored) {
            if (!merge || merge->conflicts().isEmpty()) {
                m_services.messages.show(stored.error(), windowTitle(), MsgIcon::Exclamation);
                return;
            }
            // Both desks changed some fields: the person sees which and chooses; the rest of both is kept.
            const Meanwhile choice =
                askAboutChanges(m_services.messages, windowTitle(), tr("boat"), merge->conflicts());
            m_loaded = merge->theirs();
            showBoat(merge->chosen(choice == Meanwhile::KeepTheirs));
            if (choice != Meanwhile::GoBack)
                save(); // merged again with whatever else was stored since
            return;
        }
        m_saved = merge ? merge->merged() : *boat;
    }
    accept();
}
