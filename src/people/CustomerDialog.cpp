#include "people/CustomerDialog.h"

#include "core/DocumentLanguage.h"
#include "core/Languages.h"
#include "core/Seams.h"
#include "core/ui/OldReference.h"
#include "people/BoatDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// "Swallow (Sail monohull, 12.00 m)": a boat as the customer's list shows it.
QString boatLine(const BoatRecord& boat)
{
    QString line = boat.name + QStringLiteral(" (") + Boats::kindNames().value(int(boat.kind));
    if (boat.lengthCm)
        line += QCoreApplication::translate("CustomerDialog", ", %1 m").arg(*boat.lengthCm / 100.0, 0, 'f', 2);
    return line + u')';
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

CustomerDialog::CustomerDialog(Services& services, QWidget* parent)
    : PersonDialog(services, parent, QStringLiteral("frmAddCustomer"), tr("Add customer"), tr("Edit Customer")),
      m_services(services)
{
    QWidget* area = fields()->parentWidget();
    m_chkClubMember = new QCheckBox(tr("Club Member"), area);
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    fields()->addWidget(m_chkClubMember, form().nextRow(), 1);
    m_txtOldRef = OldReference::addTo(fields(), form().nextRow() + 1, area);
    // What the office writes to this customer in: the confirmation, invoices, reminders and e-mails.
    m_cboLanguage = new QComboBox(area);
    m_cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    m_cboLanguage->addItem(DocumentLanguage::caption(QString()), QString());
    for (const Languages::Language& language : Languages::all())
        m_cboLanguage->addItem(DocumentLanguage::caption(language.code), language.code);
    auto* languageLabel = new QLabel(tr("Document lan&guage:"), area);
    languageLabel->setBuddy(m_cboLanguage);
    fields()->addWidget(languageLabel, form().nextRow() + 2, 0);
    fields()->addWidget(m_cboLanguage, form().nextRow() + 2, 1);

    auto* boats = new QGroupBox(tr("Boats and vehicles"), area);
    boats->setObjectName(QStringLiteral("fraBoats"));
    lstBoats = new QListWidget(boats);
    lstBoats->setObjectName(QStringLiteral("lstBoats"));
    m_cmdAddBoat = button(boats, "cmdAddBoat", tr("Add &Boat..."));
    m_cmdEditBoat = button(boats, "cmdEditBoat", tr("Edi&t Boat..."));
    m_cmdRemoveBoat = button(boats, "cmdRemoveBoat", tr("Remo&ve Boat"));
    connect(m_cmdAddBoat, &QPushButton::clicked, this, &CustomerDialog::addBoat);
    connect(m_cmdEditBoat, &QPushButton::clicked, this, &CustomerDialog::editBoat);
    connect(m_cmdRemoveBoat, &QPushButton::clicked, this, &CustomerDialog::removeBoat);
    connect(lstBoats, &QListWidget::itemActivated, this, &CustomerDialog::editBoat);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_cmdAddBoat, m_cmdEditBoat, m_cmdRemoveBoat})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(boats);
    layout->addWidget(lstBoats, 1);
    layout->addLayout(buttons);
    fields()->addWidget(boats, fields()->rowCount(), 0, 1, 2);
    // The base dialog made OK and Cancel before these: they go back to the end of the tab order.
    auto* ok = findChild<QPushButton*>(QStringLiteral("cmdOK"), Qt::FindDirectChildrenOnly);
    auto* cancel = findChild<QPushButton*>(QStringLiteral("cmdCancel"), Qt::FindDirectChildrenOnly);
    setTabOrder(m_cmdRemoveBoat, ok);
    setTabOrder(ok, cancel);
}

CustomerRecord CustomerDialog::typed() const
{
    CustomerRecord record = form().typed();
    record.clubMember = m_chkClubMember->isChecked();
    record.language = m_cboLanguage->currentData().toString();
    return record;
}

void CustomerDialog::showRecord(const CustomerRecord& record)
{
    form().showRecord(record);
    m_chkClubMember->setChecked(record.clubMember);
    // A code stored by another program that we do not speak stays as it is, listed by its code.
    if (m_cboLanguage->findData(record.language) < 0)
        m_cboLanguage->addItem(record.language, record.language);
    m_cboLanguage->setCurrentIndex(m_cboLanguage->findData(record.language));
    OldReference::show(m_txtOldRef, m_services.db(), QStringLiteral("Customer"), id());
    fillBoats();
}

// A new customer has no boats yet: they are added once the customer is saved and opened again.
void CustomerDialog::fillBoats()
{
    const bool editing = mode() == RecordMode::Edit && id() > 0;
    lstBoats->clear();
    m_boats.clear();
    for (QWidget* control : {static_cast<QWidget*>(lstBoats), static_cast<QWidget*>(m_cmdAddBoat),
                             static_cast<QWidget*>(m_cmdEditBoat), static_cast<QWidget*>(m_cmdRemoveBoat)})
        control->setEnabled(editing);
    lstBoats->setToolTip(editing ? QString() : tr("Save the customer first, then open it again to add boats."));
    if (!editing)
        return;
    const auto boats = Boats::ofCustomer(m_services.db(), id());
    if (!boats) {
        m_services.messages.show(boats.error(), windowTitle(), MsgIcon::Critical);
        return;
    }
    m_boats = *boats;
    for (const BoatRecord& boat : std::as_const(m_boats))
        lstBoats->addItem(boatLine(boat));
    if (!m_boats.isEmpty())
        lstBoats->setCurrentRow(0);
}

const BoatRecord* CustomerDialog::currentBoat() const
{
    const int row = lstBoats->currentRow();
    return row >= 0 && row < m_boats.size() ? &m_boats.at(row) : nullptr;
}

void CustomerDialog::addBoat()
{
    BoatRecord boat;
    boat.customerId = id();
    BoatDialog dialog(m_services, boat, this);
    if (dialog.exec() == QDialog::Accepted)
        fillBoats();
}

void CustomerDialog::editBoat()
{
    const BoatRecord* boat = currentBoat();
    if (!boat)
        return;
    BoatDialog dialog(m_services, *boat, this);
    dialog.exec();
    // Reread either way: a refusal because another desk changed the boat shows their version now.
    fillBoats();
}

void CustomerDialog::removeBoat()
{
    const BoatRecord* boat = currentBoat();
    if (!boat)
        return;
    if (m_services.messages.show(tr("Remove the boat \"%1\" from this customer?").arg(boat->name), windowTitle(),
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    if (const Status removed = Boats::remove(m_services.db(), *boat); !removed)
        m_services.messages.show(removed.error(), windowTitle(), MsgIcon::Exclamation);
    fillBoats();
}
