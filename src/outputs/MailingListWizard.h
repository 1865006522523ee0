#pragma once

#include "core/ui/StepWizard.h"

class IWindowHost;
class QLineEdit;
class QPushButton;

/// The mailing-list wizard: asks for a file name and writes every customer's e-mail address into it on one line.
class MailingListWizard final : public StepWizard
{
    Q_OBJECT
public:
    enum Step
    {
        Welcome,
        FileName,
        Finished
    };

    explicit MailingListWizard(Services& services, QWidget* parent = nullptr);

    /// Shows the wizard modally ("Email Mailing List Wizard...").
    static void display(Services& services, IWindowHost* host);

private:
    bool leaveStep(int step) override;
    void finish() override;
    void browse();

    QLineEdit* m_txtFileName;
    QPushButton* m_cmdBrowse;
};
