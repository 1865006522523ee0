#pragma once

#include "mail/MailTemplates.h"

#include <QDialog>

struct Services;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

/// Configure › "E-mail Templates...": the wording of each kind of message with its placeholders, and the rules by
/// which the Reminders window proposes reminders.
class MailTemplatesDialog final : public QDialog
{
    Q_OBJECT
public:
    MailTemplatesDialog(Services& services, QWidget* parent);
    static void display(Services& services, QWidget* parent);

    /// Saves the template shown and the rules; false (the user told why, the boxes as typed) when refused.
    bool save();

private:
    void showKind(int index);
    QString languageShown() const;
    bool changed() const;
    /// Asks whether to save what was typed before another kind is shown; false: stay.
    bool settle();

    Services& m_services;
    int m_shown = -1;
    MailTemplates::Template m_loaded;
    int m_shownLanguage = -1;
    QComboBox* m_cboKind;
    QComboBox* m_cboLanguage; // each language has its own wording; the customer's is the one sent
    QLineEdit* m_txtSubject;
    QPlainTextEdit* m_txtBody;
    QSpinBox* m_spnDeposit;
    QSpinBox* m_spnBalance;
    QSpinBox* m_spnOverdue;
};
