#pragma once

#include "people/PeopleRecords.h"

#include <QDialog>

struct Services;
class QLineEdit;
class QPlainTextEdit;

/// Adds owners of berths or shows and changes one (modal, opened by the owner list). In add mode it stays open
/// after each save, emptied for the next owner; Cancel ends the series.
class frmAddOwner final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAddOwner(Services& services, QWidget* parent = nullptr);

    /// Prepares the dialog for mode (RecordMode::Add with id 0, or RecordMode::Edit with the owner's ID) and shows
    /// it modally; returns once it has closed.
    void Display(int mode, int id);
    /// Display's preparation without showing.
    void Prepare(int mode, int id);

    int ID() const { return m_id; }
    int Mode() const { return m_mode; }

    static constexpr int TextLimit = 100;

private:
    void Save();
    OwnerRecord Typed() const;
    void Show(const OwnerRecord& record);

    Services& m_services;
    int m_mode = RecordMode::Add;
    int m_id = 0;

    QLineEdit* m_txtName;
    QLineEdit* m_txtHouseName;
    QLineEdit* m_txtStreet;
    QLineEdit* m_txtArea;
    QLineEdit* m_txtTown;
    QLineEdit* m_txtPostCode;
    QLineEdit* m_txtMobileNo;
    QLineEdit* m_txtEmail;
    QPlainTextEdit* m_txtNotes;
};
