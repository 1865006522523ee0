#pragma once

#include "people/PersonDialog.h"

class QCheckBox;

/// Adds a customer or shows and changes one (modal). The customer list, the customer search and the booking
/// wizard open it; after an add, ID() is the new customer's ID, or 0 when the user cancelled.
class CustomerDialog final : public PersonDialog<CustomerRecord>
{
    Q_OBJECT
public:
    explicit CustomerDialog(Services& services, QWidget* parent = nullptr);

private:
    CustomerRecord typed() const override;
    void showRecord(const CustomerRecord& record) override;

    QCheckBox* m_chkClubMember;
};
