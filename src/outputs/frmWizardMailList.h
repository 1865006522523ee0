#pragma once

#include "core/ui/StepWizard.h"

class IWindowHost;
class QLineEdit;
class QPushButton;

/// The mailing-list wizard: asks for a file name and writes every customer's e-mail address into it on one line.
class frmWizardMailList final : public StepWizard
{
    Q_OBJECT
public:
    enum Step
    {
        Welcome,
        FileName,
        Finished
    };

    explicit frmWizardMailList(Services& services, QWidget* parent = nullptr);

    /// Shows the wizard modally ("Email Mailing List Wizard...").
    static void Display(Services& services, IWindowHost* host);

private:
    bool LeaveStep(int step) override;
    void Finish() override;
    void Browse();

    QLineEdit* m_txtFileName;
    QPushButton* m_cmdBrowse;
};
