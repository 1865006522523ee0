#pragma once

#include "berths/BerthChangeSet.h"

#include <QDialog>
#include <array>

struct Services;
class BerthEntry;
class IWindowHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;

/// The configuration wizard: a welcome page, the post code or zip code choice, the berths (the same entry as the
/// berth register, with plain names) and a closing page. "&Finish" stores the berth changes in one transaction,
/// then the settings, then writes the events; "Cancel" or closing the window writes nothing.
class frmWizardConfig final : public QDialog
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
    frmWizardConfig(Services& services, IWindowHost* host, QWidget* parent = nullptr);

    /// Shows the wizard modally and returns when it has closed.
    static void Display(Services& services, IWindowHost* host);

    bool Loaded() const { return m_loaded; }
    int CurrentPage() const { return m_page; }

private:
    void ShowPage();
    void Next();
    void Back();
    void Finish();

    Services& m_services;
    IWindowHost* m_host;
    BerthChangeSet m_changes;
    int m_page = Welcome;
    bool m_welcomeShownTicked = true; // chkWelcome as it was at opening

    QStackedWidget* m_pages;
    std::array<QWidget*, 4> m_fraStep{};
    QLabel* m_imgStep;
    QCheckBox* m_chkWelcome;
    QComboBox* m_cboPostCode;
    BerthEntry* m_entry;
    QPushButton* m_cmdBack;
    QPushButton* m_cmdNext;
    QPushButton* m_cmdCancel;
    bool m_loaded = false;
};
