#pragma once

#include <QDialog>

struct Services;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

/// Configure › "Calendars...": the addresses each berth's calendar is read from elsewhere with how each read went,
/// the stays that such a calendar now lies over, and this desk's part (the folder it publishes into, whether it is
/// the gateway that reads the feeds).
class CalendarsDialog final : public QDialog
{
    Q_OBJECT
public:
    CalendarsDialog(Services& services, QWidget* parent);
    static void display(Services& services, QWidget* parent);

    /// Reads the feeds and the conflicts again.
    void reload();
    /// Adds the address typed for the berth chosen; false (the user told why, the address kept) when refused.
    bool addFeed();
    /// Removes the feed chosen and its blocks, once the user agreed.
    bool removeFeed();
    /// Keeps this desk's settings and hands them to the running calendars.
    void saveDesk();

private:
    Services& m_services;
    QTableWidget* m_feeds;
    QTableWidget* m_conflicts;
    QComboBox* m_cboBerth;
    QLineEdit* m_txtAddress;
    QLineEdit* m_txtFolder;
    QCheckBox* m_chkGateway;
};
