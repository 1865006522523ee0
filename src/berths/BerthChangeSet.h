#pragma once

#include "berths/BerthInput.h"
#include "core/Result.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

/// One berth as a berth list shows it.
class IEventLog;

struct BerthRow
{
    int id = 0; // the stored ID, or a negative number for a berth added in this visit
    QString name;
    bool active = true;
    bool booked = false; // some BookingBerth row refers to it, whatever the booking's dates
};

/// How a list names its berths: the register with " (booked)" and " - Active " / " - Inactive", the
/// configuration wizard with the plain name.
enum class BerthListStyle
{
    Register,
    PlainName
};
QString berthListText(const BerthRow& row, BerthListStyle style);
/// The same text with the program's own words, whatever the language shown: how the event log names a berth.
QString berthLogText(const BerthRow& row, BerthListStyle style);

/// An entry of the event log that waits for the changes to be stored.
struct PendingEvent
{
    int code = 0;
    QString description;
    bool operator==(const PendingEvent&) const = default;
};

/// The changes to the berth table made in one visit of the berth register or the configuration wizard. Nothing
/// is written while the window is open (no transaction waits for the user, so the berth table editor can save
/// meanwhile); the list shows the stored berths with these changes applied. Apply stores them all in one
/// transaction, in the order they were made; the events are then written in the same order. Dropping the set
/// discards everything.
class BerthChangeSet final
{
    Q_DECLARE_TR_FUNCTIONS(BerthChangeSet)

public:
    explicit BerthChangeSet(QSqlDatabase db);
    Q_DISABLE_COPY_MOVE(BerthChangeSet)

    /// The connection the berths are read from and stored through.
    const QSqlDatabase& database() const { return m_db; }

    /// Re-reads the stored berths (the list's query); on failure the old rows are kept.
    Status reload();

    /// The berths as they will be after Apply, sorted by their list text (case ignored, then by ID).
    std::vector<BerthRow> rows(BerthListStyle style) const;
    std::optional<BerthRow> find(int id) const;

    /// Adds a berth; gives its ID in this visit. Event "Berth added", "Name: '<name>'".
    int add(const BerthFields& fields);
    /// Removes a berth (the question has been asked, about bookingRowsAsked booking rows); with a stored berth go
    /// its BookingBerth rows and the bookings left without a berth. Event "Berth deleted", "Name: '<listText>'".
    /// False for an unknown ID.
    bool remove(int id, const QString& listText, int bookingRowsAsked);
    /// Switches a berth between active and inactive; its new state, or nothing for an unknown ID.
    /// Event "Berth modified", "Berth '<name>' activated" or "... inactivated".
    std::optional<bool> toggleActive(int id);

    bool hasChanges() const { return !m_operations.empty(); }
    const QList<PendingEvent>& events() const { return m_events; }

    /// Stores every change in one transaction; on failure nothing is stored and the changes stay pending. After
    /// success only the events are left, for logEvents.
    /// A berth booked at another desk since the user agreed to remove it is not removed unasked: Apply stores
    /// nothing, drops that removal from the pending changes (the berth is listed again) and fails as a Conflict
    /// whose text is the message to show. So too for a berth switched on or off that another desk deleted
    /// meanwhile (its changes are dropped).
    Status apply();
    /// Writes the events of the applied changes to the event log, first to last, and forgets them.
    void logEvents(IEventLog& events);

private:
    struct AddBerth
    {
        int id;
        BerthFields fields;
    };
    struct RemoveBerth
    {
        int id;
        int bookingRowsAsked; // what the user was told the removal takes
    };
    struct SetActive
    {
        int id;
        bool active;
    };
    using Operation = std::variant<AddBerth, RemoveBerth, SetActive>;

    std::vector<BerthRow> current() const;

    QSqlDatabase m_db;
    std::vector<BerthRow> m_stored;
    std::vector<Operation> m_operations;
    QList<PendingEvent> m_events;
    int m_nextNewId = -1;
};
