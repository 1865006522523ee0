#pragma once

#include "core/ui/ChildWindow.h"
#include "waiting/WaitingList.h"

struct Services;
class QComboBox;
class QTableView;
class ReadErrorLine;

/// Customers › Waiting List: who waits for a berth, in the order they came, filtered by status and berth type;
/// entries added, changed, withdrawn, marked offered or booked, a booking started from one, the list printed.
class WaitingListWindow final : public ChildWindow
{
    Q_OBJECT
public:
    static inline const QString WindowName = QStringLiteral("frmWaitingList");

    WaitingListWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    /// Opens the one waiting list in the host's frame, or reads the open one again and brings it forward.
    static WaitingListWindow* display(IWindowHost& host, Services& services);
    /// After a booking on berthIds over [from, to) went or shrank: shows who on the list can take what came free
    /// ("Berths came free"), with a booking started from the chosen entry; nothing when nobody fits.
    static void offerReleased(IWindowHost& host, Services& services, const QList<int>& berthIds, const QDateTime& from,
                              const QDateTime& to);

    void activated() override { reload(); }
    /// Reads the filters' berth types and the list again; the cursor stays on the same entry where it is still
    /// listed. A failed read empties the list and says why above it.
    void reload();

private:
    const WaitingLine* current() const;
    void openEntry(const WaitingEntry& entry);
    void setStatus(WaitingStatus status);
    void book();
    void print();
    void closeWindow();

    IWindowHost& m_host;
    Services& m_services;
    QList<WaitingLine> m_lines;
    QComboBox* m_cboStatus;
    QComboBox* m_cboBerthType;
    QTableView* m_grid;
    ReadErrorLine* m_readError;
};
