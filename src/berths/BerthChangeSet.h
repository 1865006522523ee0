#pragma once

#include "core/Money.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

/// A row of a lookup table shown in a combo box (berth types, owners): the text shown and the ID bound.
struct LookupItem
{
    int id = 0;
    QString text;
};

/// Reads a lookup list with a statement that returns (ID, text) rows; false and the reason on failure.
bool ReadLookup(const QSqlDatabase& db, const QString& sql, std::vector<LookupItem>& items, QString* error = nullptr);
/// The berth types ("Type" of BerthType) and the owners ("Name" of Owner).
QString BerthTypeLookupSql();
QString OwnerLookupSql();

/// A new berth as the user entered it, read and checked.
struct BerthFields
{
    QString name; // trimmed
    std::optional<double> length;
    std::optional<double> width;
    int typeId = 0;
    std::optional<int> ownerId;
    bool hasPower = false;
    QString notes; // as typed
    std::optional<Money> dailyHireCharge;
    std::optional<Money> weeklyHireCharge;
    std::optional<Money> monthlyHireCharge;
};

/// The texts of the berth entry fields, as the window holds them.
struct BerthInput
{
    QString name;
    QString length;
    QString width;
    std::optional<int> typeId; // nothing when no type is chosen
    bool ownerTicked = false;
    std::optional<int> ownerId; // nothing when no owner is chosen
    bool hasPower = false;
    QString notes;
    QString dailyHireCharge;
    QString weeklyHireCharge;
    QString monthlyHireCharge;
};

/// Why a berth cannot be added, and which field should take the focus.
struct BerthRefusal
{
    enum class Field
    {
        Name,
        Owner,
        Type,
        Length,
        Width,
        DailyHireCharge,
        WeeklyHireCharge,
        MonthlyHireCharge
    };
    Field field;
    QString text;
    QString title;
};

/// The titles the number boxes of a berth are refused with.
namespace BerthTitles {
inline const QString Add = QStringLiteral("Add berth");
inline const QString Length = QStringLiteral("Berth length");
inline const QString Width = QStringLiteral("Berth width");
inline const QString Daily = QStringLiteral("Daily Hire Charge");
inline const QString Weekly = QStringLiteral("Weekly Hire Charge");
inline const QString Monthly = QStringLiteral("Monthly Hire Charge");
} // namespace BerthTitles

/// Checks a new berth in the order the user is told: the number boxes, then the name, the owner, the type.
/// Empty number boxes leave their columns empty (not zero); the owner counts only when its box is ticked.
std::variant<BerthFields, BerthRefusal> ReadNewBerth(const BerthInput& input, const QLocale& locale = QLocale());

/// One berth as a berth list shows it.
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
QString BerthListText(const BerthRow& row, BerthListStyle style);

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
public:
    explicit BerthChangeSet(QSqlDatabase db);
    Q_DISABLE_COPY_MOVE(BerthChangeSet)

    /// The connection the berths are read from and stored through.
    const QSqlDatabase& Database() const { return m_db; }

    /// Re-reads the stored berths (the list's query); false and the reason on failure, the old rows kept.
    bool Reload(QString* error = nullptr);

    /// The berths as they will be after Apply, sorted by their list text (case ignored, then by ID).
    std::vector<BerthRow> Rows(BerthListStyle style) const;
    std::optional<BerthRow> Find(int id) const;

    /// Adds a berth; gives its ID in this visit. Event "Berth added", "Name: '<name>'".
    int Add(const BerthFields& fields);
    /// Removes a berth (the question has been asked, about bookingRowsAsked booking rows); with a stored berth go
    /// its BookingBerth rows and the bookings left without a berth. Event "Berth deleted", "Name: '<listText>'".
    /// False for an unknown ID.
    bool Remove(int id, const QString& listText, int bookingRowsAsked);
    /// Switches a berth between active and inactive; its new state, or nothing for an unknown ID.
    /// Event "Berth modified", "Berth '<name>' activated" or "... inactivated".
    std::optional<bool> ToggleActive(int id);

    bool HasChanges() const { return !m_operations.empty(); }
    const QList<PendingEvent>& Events() const { return m_events; }

    /// Stores every change in one transaction; on failure nothing is stored, the reason is in *error and the
    /// changes stay pending. After success only the events are left, for LogEvents.
    /// A berth booked at another desk since the user agreed to remove it is not removed unasked: Apply stores
    /// nothing, drops that removal from the pending changes (the berth is listed again) and TakeConflict says so.
    /// So too for a berth switched on or off that another desk deleted meanwhile (its changes are dropped).
    bool Apply(QString* error = nullptr);
    /// The message for the last removal Apply refused, once; empty when there was none.
    QString TakeConflict();
    /// Writes the events of the applied changes to the event log, first to last, and forgets them.
    void LogEvents(const QDateTime& now);

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

    std::vector<BerthRow> Current() const;

    QSqlDatabase m_db;
    std::vector<BerthRow> m_stored;
    std::vector<Operation> m_operations;
    QList<PendingEvent> m_events;
    int m_nextNewId = -1;
    QString m_conflict;
};
