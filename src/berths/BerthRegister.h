#pragma once

#include "berths/BerthChangeSet.h"

#include <QDialog>

struct Services;
class BerthEntry;
class IWindowHost;
class QLabel;
class QPushButton;

/// The berth register: adds, removes and (in)activates berths. The changes wait in a change set and are stored
/// together by "&OK"; "Cancel" or closing the window drops them. "&Edit Berths" opens the berth table editor,
/// which saves at once on its own connection, and "&Block Berth..." a block, saved at once too.
class BerthRegister final : public QDialog
{
    Q_OBJECT
public:
    /// host may be null (tests): then no child window is asked to refresh after "&OK".
    BerthRegister(Services& services, IWindowHost* host, QWidget* parent = nullptr);

    /// Shows the register modally and returns when it has closed.
    static void display(Services& services, IWindowHost* host);

    /// Whether the berths could be read when the window opened.
    bool loaded() const { return m_loaded; }

private:
    void selected();
    void activate();
    void editBerths();
    void ok();

    Services& m_services;
    IWindowHost* m_host;
    BerthChangeSet m_changes;
    BerthEntry* m_entry;
    QLabel* m_lblStep;
    QPushButton* m_cmdActivate;
    QPushButton* m_cmdBlockBerth;
    QPushButton* m_Command2;
    QPushButton* m_Command1;
    QPushButton* m_cmdCancel;
    bool m_loaded = false;
};
