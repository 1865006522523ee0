#include "people/CustomerDialog.h"

#include <QCheckBox>

CustomerDialog::CustomerDialog(Services& services, QWidget* parent)
    : PersonDialog(services, parent, QStringLiteral("frmAddCustomer"), tr("Add customer"), tr("Edit Customer"))
{
    m_chkClubMember = new QCheckBox(tr("Club Member"), fields()->parentWidget());
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    fields()->addWidget(m_chkClubMember, form().nextRow(), 1);
}

CustomerRecord CustomerDialog::typed() const
{
    CustomerRecord record = form().typed();
    record.clubMember = m_chkClubMember->isChecked();
    return record;
}

void CustomerDialog::showRecord(const CustomerRecord& record)
{
    form().showRecord(record);
    m_chkClubMember->setChecked(record.clubMember);
}
