#pragma once

#include "core/Result.h"
#include "waiting/WaitingList.h"

#include <QDialog>

struct Services;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class NamePicker;
class QPlainTextEdit;

/// One waiting entry, added or changed: who waits, with which boat, for which period and what kind of berth.
/// OK saves through WaitingList and closes; a refusal is told and everything typed stays.
class WaitingEntryDialog final : public QDialog
{
    Q_OBJECT
public:
    /// loaded.id 0 adds a new entry.
    WaitingEntryDialog(Services& services, const WaitingEntry& loaded, QWidget* parent = nullptr);

    /// Fills the customer and berth type lists and the boxes from the entry; the failure when a list could not be
    /// read.
    Status load();

private:
    void showEntry(const WaitingEntry& entry);
    void loadBoats();
    std::optional<WaitingEntry> typed();
    void save();

    Services& m_services;
    WaitingEntry m_loaded;
    NamePicker* cboCustomer; // narrows as a name is typed; nothing chosen until picked
    NamePicker* cboBoat;
    QDateEdit* dtpFrom;
    QCheckBox* chkAnyLength;
    QDateEdit* dtpTo;
    QComboBox* cboBerthType;
    QLineEdit* txtMinLength;
    QPlainTextEdit* txtNotes;
};
