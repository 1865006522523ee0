#include "people/frmAddCustomer.h"

#include <QCheckBox>

frmAddCustomer::frmAddCustomer(Services& services, QWidget* parent)
    : PersonDialog(services, parent, QStringLiteral("frmAddCustomer"), QStringLiteral("Add customer"),
                   QStringLiteral("Edit Customer"))
{
    m_chkClubMember = new QCheckBox(QStringLiteral("Club Member"), Fields()->parentWidget());
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    Fields()->addWidget(m_chkClubMember, Form().NextRow(), 1);
}

CustomerRecord frmAddCustomer::Typed() const
{
    CustomerRecord record = Form().Typed();
    record.clubMember = m_chkClubMember->isChecked();
    return record;
}

void frmAddCustomer::Show(const CustomerRecord& record)
{
    Form().Show(record);
    m_chkClubMember->setChecked(record.clubMember);
}
