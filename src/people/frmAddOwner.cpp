#include "people/frmAddOwner.h"

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modLog.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/Twips.h"
#include "people/PeopleWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString AddCaption = QStringLiteral("Add Owner");
const QString EditCaption = QStringLiteral("Edit Owner");
} // namespace

frmAddOwner::frmAddOwner(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmAddOwner"));
    setWindowTitle(AddCaption);
    setModal(true);

    auto* fields = new QGridLayout;
    auto* form = new QWidget(this);
    form->setLayout(fields);
    using PeopleWidgets::AddTextBox;
    m_txtName = AddTextBox(fields, 0, QStringLiteral("txtName"), QStringLiteral("Name:"), TextLimit);
    m_txtHouseName = AddTextBox(fields, 1, QStringLiteral("txtHouseName"), QStringLiteral("House Name:"), TextLimit);
    m_txtStreet = AddTextBox(fields, 2, QStringLiteral("txtStreet"), QStringLiteral("Street:"), TextLimit);
    m_txtArea = AddTextBox(fields, 3, QStringLiteral("txtArea"), QStringLiteral("Area:"), TextLimit);
    m_txtTown = AddTextBox(fields, 4, QStringLiteral("txtTown"), QStringLiteral("Town:"), TextLimit);
    m_txtPostCode = AddTextBox(fields, 5, QStringLiteral("txtPostCode"), QStringLiteral("Post Code:"), 0);
    m_txtMobileNo = AddTextBox(fields, 6, QStringLiteral("txtMobileNo"), QStringLiteral("Mobile Phone:"), TextLimit);
    m_txtEmail = AddTextBox(fields, 7, QStringLiteral("txtEmail"), QStringLiteral("Email Address:"), TextLimit);

    PeopleWidgets::AddEmailLink(fields, 7, form, m_services, m_txtEmail);
    m_txtNotes = PeopleWidgets::AddNotesBox(fields, 8, form);

    PeopleWidgets::FinishRecordDialog(this, form, [this] { Save(); });
}

void frmAddOwner::Display(int mode, int id)
{
    Prepare(mode, id);
    exec();
}

void frmAddOwner::Prepare(int mode, int id)
{
    m_mode = mode == RecordMode::Edit ? RecordMode::Edit : RecordMode::Add;
    m_id = m_mode == RecordMode::Edit ? id : 0;
    setWindowTitle(m_mode == RecordMode::Edit ? EditCaption : AddCaption);
    OwnerRecord record;
    if (m_mode == RecordMode::Edit) {
        QString error;
        if (auto stored = OwnerStore::Load(m_services.Db(), m_id, &error))
            record = *stored;
        else
            modLog::LogMessage(3, QStringLiteral("%s.Display: %s"), {objectName(), error});
    }
    Show(record);
    m_txtName->setFocus();
}

OwnerRecord frmAddOwner::Typed() const
{
    OwnerRecord r;
    r.name = m_txtName->text();
    r.houseName = m_txtHouseName->text();
    r.street = m_txtStreet->text();
    r.area = m_txtArea->text();
    r.town = m_txtTown->text();
    r.postCode = m_txtPostCode->text();
    r.mobileNo = m_txtMobileNo->text();
    r.emailAddress = m_txtEmail->text();
    r.notes = m_txtNotes->toPlainText();
    return r;
}

void frmAddOwner::Show(const OwnerRecord& r)
{
    using PeopleWidgets::SetText;
    SetText(m_txtName, r.name, TextLimit);
    SetText(m_txtHouseName, r.houseName, TextLimit);
    SetText(m_txtStreet, r.street, TextLimit);
    SetText(m_txtArea, r.area, TextLimit);
    SetText(m_txtTown, r.town, TextLimit);
    SetText(m_txtPostCode, r.postCode, 0);
    SetText(m_txtMobileNo, r.mobileNo, TextLimit);
    SetText(m_txtEmail, r.emailAddress, TextLimit);
    m_txtNotes->setPlainText(r.notes);
}

void frmAddOwner::Save()
{
    if (m_txtName->text().isEmpty())
        return;
    const OwnerRecord record = Typed();
    QString error;
    const bool saved = m_mode == RecordMode::Add ? OwnerStore::Add(m_services.Db(), record, &error).has_value()
                                                 : OwnerStore::Modify(m_services.Db(), m_id, record, &error);
    if (!saved) {
        // The dialog stays open with everything typed, so the user can correct it and press OK again.
        modLog::LogMessage(3, QStringLiteral("%s.cmdOK_Click: %s"), {objectName(), error});
        return;
    }
    modEventLog::LogEvent(m_services.clock.Now(),
                          m_mode == RecordMode::Add ? modEventLog::OwnerAdded : modEventLog::OwnerModified,
                          PeopleEvents::SavedDetails(record.name, record.houseName));
    if (m_mode == RecordMode::Edit) {
        accept();
        return;
    }
    // Ready for the next owner.
    Show(OwnerRecord());
    m_txtName->setFocus();
}
