#pragma once

#include "people/PeopleRecords.h"

#include <QDialog>

struct Services;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

/// Adds a customer or shows and changes one (modal). The customer list, the customer search and the booking
/// wizard open it; after an add, ID() is the new customer's ID, or 0 when the user cancelled.
class frmAddCustomer final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAddCustomer(Services& services, QWidget* parent = nullptr);

    /// Prepares the dialog for mode (RecordMode::Add with id 0, or RecordMode::Edit with the customer's ID), shows
    /// it modally and returns ID() once it has closed.
    int Display(int mode, int id);
    /// Display's preparation without showing: empties the boxes, or loads the customer in edit mode.
    void Prepare(int mode, int id);

    int ID() const { return m_id; }
    int Mode() const { return m_mode; }

    /// The boxes' longest texts; 0 means no limit.
    static constexpr int TextLimit = 100;
    static constexpr int MembershipNoLimit = 50;

private:
    void Save();
    CustomerRecord Typed() const;
    void Show(const CustomerRecord& record);

    Services& m_services;
    int m_mode = RecordMode::Add;
    int m_id = 0;

    QLineEdit* m_txtName;
    QLineEdit* m_txtHouseName;
    QLineEdit* m_txtStreet;
    QLineEdit* m_txtArea;
    QLineEdit* m_txtTown;
    QLineEdit* m_txtPostCode;
    QLineEdit* m_txtTelNo;
    QLineEdit* m_txtMobileNo;
    QLineEdit* m_txtEmail;
    QLineEdit* m_txtMembershipNo;
    QPlainTextEdit* m_txtNotes;
    QCheckBox* m_chkClubMember;
};
