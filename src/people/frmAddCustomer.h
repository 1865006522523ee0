#pragma once

#include "people/PersonDialog.h"

class QCheckBox;

/// Adds a customer or shows and changes one (modal). The customer list, the customer search and the booking
/// wizard open it; after an add, ID() is the new customer's ID, or 0 when the user cancelled.
class frmAddCustomer final : public PersonDialog<CustomerRecord>
{
    Q_OBJECT
public:
    explicit frmAddCustomer(Services& services, QWidget* parent = nullptr);

private:
    CustomerRecord Typed() const override;
    void Show(const CustomerRecord& record) override;

    QCheckBox* m_chkClubMember;
};
