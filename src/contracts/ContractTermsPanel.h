#pragma once

#include "core/Result.h"

#include <QWidget>

struct Services;
class QPlainTextEdit;
class QPushButton;

/// The terms printed on every contract, beside the company's details.
class ContractTermsPanel final : public QWidget
{
    Q_OBJECT
public:
    ContractTermsPanel(Services& services, QWidget* parent);
    /// The panel in a dialog of its own, from the company window's "Contract terms..." button.
    static void display(Services& services, QWidget* parent);

    /// The company window's "Contract terms..." button, opening display.
    static QPushButton* button(Services& services, QWidget* parent);

    Status load();
    /// Saves the terms typed, merged with what another desk saved meanwhile; a question when both changed them.
    /// False when nothing was saved (told).
    bool save();

private:
    Services& m_services;
    QPlainTextEdit* m_txtTerms;
    QString m_loaded;
};
