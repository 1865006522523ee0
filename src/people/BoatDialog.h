#pragma once

#include "people/Boats.h"

#include <QDialog>

struct Services;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

/// "Boat or vehicle": one of a customer's boats, added or changed (modal). Sizes are typed in metres.
class BoatDialog final : public QDialog
{
    Q_OBJECT
public:
    /// loaded is the boat as read (an id of 0 for a new one of the customer; with no customer either, a new
    /// caller's boat, checked but not saved).
    BoatDialog(Services& services, const BoatRecord& loaded, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BoatDialog)

    /// The boat as saved; only after the dialog was accepted.
    const BoatRecord& saved() const { return m_saved; }

    QLineEdit* txtBoatName;
    QComboBox* cboKind;
    QLineEdit* txtLength;
    QLineEdit* txtBeam;
    QLineEdit* txtDraft;
    QLineEdit* txtHeight;
    QLineEdit* txtRegistration;
    QLineEdit* txtInsuranceCompany;
    QLineEdit* txtPolicyNumber;
    QLineEdit* txtInsuranceExpiry;
    QPlainTextEdit* txtBoatNotes;

private:
    void save();
    void showBoat(const BoatRecord& boat);
    std::optional<BoatRecord> typed();

    Services& m_services;
    BoatRecord m_loaded;
    QLineEdit* m_txtOldRef; // the boat's reference in the office's previous records, when imported
    BoatRecord m_saved;
};
