#pragma once

#include "berths/BerthChangeSet.h"
#include "core/ui/StepWizard.h"

class BerthEntry;
class IWindowHost;
class QComboBox;

/// The configuration wizard: a welcome page, the post code or zip code choice, the berths (the same entry as the
/// berth register, with plain names) and a closing page. "&Finish" stores the berth changes in one transaction,
/// then the settings, then writes the events; "Cancel" or closing the window writes nothing.
class BerthSetupWizard final : public StepWizard
{
    Q_OBJECT
public:
    enum Page
    {
        Welcome,
        Regional,
        Berths,
        Finished
    };

    /// host may be null (tests): then no child window is asked to refresh after "&Finish".
    BerthSetupWizard(Services& services, IWindowHost* host, QWidget* parent = nullptr);

    /// Shows the wizard modally and returns when it has closed.
    static void display(Services& services, IWindowHost* host);

    bool loaded() const { return m_loaded; }

private:
    bool leaveStep(int step) override;
    void finish() override;

    IWindowHost* m_host;
    BerthChangeSet m_changes;
    QComboBox* m_cboPostCode;
    BerthEntry* m_entry;
    bool m_loaded = false;
};
