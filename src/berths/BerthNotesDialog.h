#pragma once

#include "berths/BerthNotes.h"

#include <QDialog>
#include <optional>

struct Services;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// The notes of any berth, without the berth register. The notes of several berths can be edited in one visit;
/// "&OK" stores them all and logs "Notes modified", "Cancel" or closing the window keeps the stored notes.
class BerthNotesDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit BerthNotesDialog(Services& services, QWidget* parent = nullptr);

    /// Shows the window modally and returns when it has closed.
    static void display(Services& services, QWidget* parent);

    bool loaded() const { return m_loaded; }

private:
    void select();
    void keepTypedNotes();
    void ok();

    Services& m_services;
    BerthNotes m_notes;
    std::optional<int> m_shownId; // the berth whose notes txtNotes holds
    QLabel* m_Label1;
    QComboBox* m_cboName;
    QPlainTextEdit* m_txtNotes;
    QLineEdit* m_txtOldRef;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdCancel;
    bool m_loaded = false;
};
