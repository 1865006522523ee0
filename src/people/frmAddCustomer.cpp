#include "people/frmAddCustomer.h"

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modLog.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/Twips.h"
#include "people/PeopleWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString AddCaption = QStringLiteral("Add customer");
const QString EditCaption = QStringLiteral("Edit Customer");
} // namespace

frmAddCustomer::frmAddCustomer(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmAddCustomer"));
    setWindowTitle(AddCaption);
    setModal(true);

    // Created in tab order, so the focus chain follows the form from top to bottom.
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
    m_txtTelNo = AddTextBox(fields, 6, QStringLiteral("txtTelNo"), QStringLiteral("Phone:"), TextLimit);
    m_txtMobileNo = AddTextBox(fields, 7, QStringLiteral("txtMobileNo"), QStringLiteral("Mobile Phone:"), TextLimit);
    m_txtEmail = AddTextBox(fields, 8, QStringLiteral("txtEmail"), QStringLiteral("Email Address:"), TextLimit);
    m_txtMembershipNo =
        AddTextBox(fields, 9, QStringLiteral("txtMembershipNo"), QStringLiteral("Membership No:"), MembershipNoLimit);

    m_txtNotes = PeopleWidgets::AddNotesBox(fields, 10, form);
    PeopleWidgets::AddEmailLink(fields, 8, form, m_services, m_txtEmail);

    m_chkClubMember = new QCheckBox(QStringLiteral("Club Member"), form);
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    fields->addWidget(m_chkClubMember, 11, 1);

    PeopleWidgets::FinishRecordDialog(this, form, [this] { Save(); });
}

int frmAddCustomer::Display(int mode, int id)
{
    Prepare(mode, id);
    exec();
    return m_id;
}

void frmAddCustomer::Prepare(int mode, int id)
{
    m_mode = mode == RecordMode::Edit ? RecordMode::Edit : RecordMode::Add;
    m_id = m_mode == RecordMode::Edit ? id : 0;
    setWindowTitle(m_mode == RecordMode::Edit ? EditCaption : AddCaption);
    CustomerRecord record;
    if (m_mode == RecordMode::Edit) {
        QString error;
        if (auto stored = CustomerStore::Load(m_services.Db(), m_id, &error))
            record = *stored;
        else
            modLog::LogMessage(3, QStringLiteral("%s.Display: %s"), {objectName(), error});
    }
    Show(record);
    m_txtName->setFocus();
}

CustomerRecord frmAddCustomer::Typed() const
{
    CustomerRecord r;
    r.name = m_txtName->text();
    r.houseName = m_txtHouseName->text();
    r.street = m_txtStreet->text();
    r.area = m_txtArea->text();
    r.town = m_txtTown->text();
    r.postCode = m_txtPostCode->text();
    r.telNo = m_txtTelNo->text();
    r.mobileNo = m_txtMobileNo->text();
    r.emailAddress = m_txtEmail->text();
    r.notes = m_txtNotes->toPlainText();
    r.clubMember = m_chkClubMember->isChecked();
    r.membershipNo = m_txtMembershipNo->text();
    return r;
}

void frmAddCustomer::Show(const CustomerRecord& r)
{
    using PeopleWidgets::SetText;
    SetText(m_txtName, r.name, TextLimit);
    SetText(m_txtHouseName, r.houseName, TextLimit);
    SetText(m_txtStreet, r.street, TextLimit);
    SetText(m_txtArea, r.area, TextLimit);
    SetText(m_txtTown, r.town, TextLimit);
    SetText(m_txtPostCode, r.postCode, 0);
    SetText(m_txtTelNo, r.telNo, TextLimit);
    SetText(m_txtMobileNo, r.mobileNo, TextLimit);
    SetText(m_txtEmail, r.emailAddress, TextLimit);
    SetText(m_txtMembershipNo, r.membershipNo, MembershipNoLimit);
    m_txtNotes->setPlainText(r.notes);
    m_chkClubMember->setChecked(r.clubMember);
}

void frmAddCustomer::Save()
{
    // Without a name OK does nothing at all.
    if (m_txtName->text().isEmpty())
        return;
    const CustomerRecord record = Typed();
    QString error;
    bool saved = false;
    if (m_mode == RecordMode::Add) {
        if (const auto id = CustomerStore::Add(m_services.Db(), record, &error)) {
            m_id = *id;
            saved = true;
        }
    } else {
        saved = CustomerStore::Modify(m_services.Db(), m_id, record, &error);
    }
    if (!saved) {
        // The dialog stays open with everything typed, so the user can correct it and press OK again.
        modLog::LogMessage(3, QStringLiteral("%s.cmdOK_Click: %s"), {objectName(), error});
        return;
    }
    modEventLog::LogEvent(m_services.clock.Now(),
                          m_mode == RecordMode::Add ? modEventLog::CustomerAdded : modEventLog::CustomerModified,
                          PeopleEvents::SavedDetails(record.name, record.houseName));
    accept();
}
