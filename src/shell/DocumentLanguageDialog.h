#pragma once

#include <QDialog>

struct Services;
class QComboBox;
class QPushButton;

/// The office's language for what it writes to customers who have none of their own (the confirmation, invoices,
/// reminders, e-mails), from the company window's "Document language..." button. Kept in the database, so every
/// desk writes the same; the interface's language is each desk's own, in Regional Settings.
class DocumentLanguageDialog final : public QDialog
{
    Q_OBJECT
public:
    DocumentLanguageDialog(Services& services, QWidget* parent);
    /// The company window's button, opening the dialog.
    static QPushButton* opener(Services& services, QWidget* parent);

    QComboBox* cboLanguage;

private:
    void save();

    Services& m_services;
};
