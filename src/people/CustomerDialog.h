#pragma once

#include "people/Boats.h"
#include "people/PersonDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

/// Adds a customer or shows and changes one (modal). The customer list, the customer search and the booking
/// wizard open it; after an add, ID() is the new customer's ID, or 0 when the user cancelled. A customer being
/// changed shows their boats and vehicles, each added, changed or removed at once.
class CustomerDialog final : public PersonDialog<CustomerRecord>
{
    Q_OBJECT
public:
    explicit CustomerDialog(Services& services, QWidget* parent = nullptr);

    QListWidget* lstBoats;

private:
    CustomerRecord typed() const override;
    void showRecord(const CustomerRecord& record) override;
    void fillBoats();
    void addBoat();
    void editBoat();
    void removeBoat();
    const BoatRecord* currentBoat() const;

    Services& m_services;
    QCheckBox* m_chkClubMember;
    QComboBox* m_cboLanguage;
    QLineEdit* m_txtOldRef; // the customer's reference in the office's previous records, when imported
    QPushButton* m_cmdAddBoat;
    QPushButton* m_cmdEditBoat;
    QPushButton* m_cmdRemoveBoat;
    QList<BoatRecord> m_boats;
};
