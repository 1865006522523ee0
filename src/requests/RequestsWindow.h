#pragma once

#include "requests/RequestStore.h"

#include <QDialog>

struct Services;
class IWindowHost;
class QCheckBox;
class QPlainTextEdit;
class QTableWidget;

/// Bookings › "Requests...": the booking requests read from the mailbox, a request's details, and what the clerk
/// does with one: Accept (the booking wizard opens filled; the request is booked when it saves), Hold (a berth kept
/// for a set time until the deposit comes), Decline (a reply from the office's wording, edited before it goes).
/// The mailbox settings are a page of their own.
class RequestsWindow final : public QDialog
{
    Q_OBJECT
public:
    RequestsWindow(IWindowHost& host, Services& services, QWidget* parent);
    static void display(IWindowHost& host, Services& services);

    /// Reads the list again; the cursor stays on the same request where it is still listed.
    void reload();
    /// Opens the booking wizard filled from the request chosen; false when the clerk stopped or was told why not.
    bool acceptRequest();
    /// Holds a berth the request fits for the set hours; false when refused or cancelled.
    bool holdRequest();
    /// Declines the request chosen with the reply as edited; false when refused or cancelled.
    bool declineRequest();

private:
    const RequestStore::Row* current() const;
    void showDetails();
    QString title() const;

    IWindowHost& m_host;
    Services& m_services;
    QList<RequestStore::Row> m_rows;
    QTableWidget* m_grid;
    QPlainTextEdit* m_txtDetails;
    QCheckBox* m_chkAll;
};
