#include "berths/BerthChangeSet.h"

#include "berths/BerthRemoval.h"
#include "bookings/BookingReads.h"
#include "core/EventLog.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"

#include <QSqlQuery>
#include <algorithm>
#include <map>
#include <utility>

namespace {
QString listText(const BerthRow& row, BerthListStyle style, QString (*word)(const char*))
{
    if (style == BerthListStyle::PlainName)
        return row.name;
    return row.name + (row.booked ? word(QT_TRANSLATE_NOOP("BerthChangeSet", " (booked)")) : QString()) +
           word(row.active ? QT_TRANSLATE_NOOP("BerthChangeSet", " - Active ")
                           : QT_TRANSLATE_NOOP("BerthChangeSet", " - Inactive"));
}
} // namespace

QString berthListText(const BerthRow& row, BerthListStyle style)
{
    return listText(row, style, [](const char* text) { return BerthChangeSet::tr(text); });
}

QString berthLogText(const BerthRow& row, BerthListStyle style)
{
    return listText(row, style, [](const char* text) { return QString::fromLatin1(text); });
}

BerthChangeSet::BerthChangeSet(QSqlDatabase db) : m_db(std::move(db)) {}

Status BerthChangeSet::reload()
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    QString error;
    // The booked flag is the bookings folder's question, asked inside this one query (not once per berth).
    if (!Sql::exec(q,
                   QStringLiteral("SELECT B.ID, B.Name, B.Active, %1 FROM Berth B")
                       .arg(BookingReads::berthHasBookingsSql(QStringLiteral("B"))),
                   {}, &error))
        return databaseFailure(error);
    std::vector<BerthRow> rows;
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt() != 0, q.value(3).toInt() != 0});
    m_stored = std::move(rows);
    return Done{};
}

std::vector<BerthRow> BerthChangeSet::current() const
{
    std::vector<BerthRow> rows = m_stored;
    const auto at = [&rows](int id) {
        return std::find_if(rows.begin(), rows.end(), [id](const BerthRow& row) { return row.id == id; });
    };
    for (const Operation& operation : m_operations) {
        if (const auto* add = std::get_if<AddBerth>(&operation)) {
            // A new berth takes the column's default, active.
            rows.push_back({add->id, add->fields.name, true, false});
        } else if (const auto* remove = std::get_if<RemoveBerth>(&operation)) {
            if (const auto it = at(remove->id); it != rows.end())
                rows.erase(it);
        } else if (const auto* set = std::get_if<SetActive>(&operation)) {
            if (const auto it = at(set->id); it != rows.end())
                it->active = set->active;
        }
    }
    return rows;
}

std::vector<BerthRow> BerthChangeSet::rows(BerthListStyle style) const
{
    std::vector<BerthRow> rows = current();
    std::vector<std::pair<QString, BerthRow>> keyed;
    keyed.reserve(rows.size());
    for (BerthRow& row : rows)
        keyed.emplace_back(berthListText(row, style), std::move(row));
    // Natural order, as the booking wizard lists berths: A1, A2, A10.
    const QCollator collator = Texts::naturalOrder();
    std::stable_sort(keyed.begin(), keyed.end(), [&collator](const auto& a, const auto& b) {
        const int order = collator.compare(a.first, b.first);
        if (order != 0)
            return order < 0;
        // Stored berths before those added in this visit, each in the order they came.
        return std::pair(a.second.id < 0, std::abs(a.second.id)) < std::pair(b.second.id < 0, std::abs(b.second.id));
    });
    rows.clear();
    for (auto& [text, row] : keyed)
        rows.push_back(std::move(row));
    return rows;
}

std::optional<BerthRow> BerthChangeSet::find(int id) const
{
    for (const BerthRow& row : current())
        if (row.id == id)
            return row;
    return std::nullopt;
}

int BerthChangeSet::add(const BerthFields& fields)
{
    const int id = m_nextNewId--;
    m_operations.emplace_back(AddBerth{id, fields});
    m_events.append({EventLog::BerthAdded, QStringLiteral("Name: '") + fields.name + u'\''});
    return id;
}

bool BerthChangeSet::remove(int id, const QString& listText, int bookingRowsAsked)
{
    if (!find(id))
        return false;
    m_operations.emplace_back(RemoveBerth{id, bookingRowsAsked});
    m_events.append({EventLog::BerthDeleted, QStringLiteral("Name: '") + listText + u'\''});
    return true;
}

std::optional<bool> BerthChangeSet::toggleActive(int id)
{
    const auto row = find(id);
    if (!row)
        return std::nullopt;
    const bool active = !row->active;
    m_operations.emplace_back(SetActive{id, active});
    m_events.append(
        {EventLog::BerthModified, QStringLiteral("Berth '") + row->name + QStringLiteral("' ") +
                                      (active ? QStringLiteral("activated") : QStringLiteral("inactivated"))});
    return active;
}

namespace {
QVariant orNull(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}
QVariant orNull(const std::optional<Money>& value)
{
    return value ? value->toDb() : Sql::nullInt();
}
QVariant orNull(const std::optional<int>& value)
{
    return value ? QVariant(*value) : Sql::nullInt();
}
} // namespace

Status BerthChangeSet::apply()
{
    // Every statement below (the cascade delete too) reports its driver text here.
    QString errorText;
    QString* const error = &errorText;
    std::map<int, int> storedIds; // the IDs the database gave the berths added in this visit
    const auto storedId = [&storedIds, error](int id) -> std::optional<int> {
        if (id >= 0)
            return id;
        const auto it = storedIds.find(id);
        if (it != storedIds.end())
            return it->second;
        if (error)
            *error = QStringLiteral("A berth added in this visit was not found.");
        return std::nullopt;
    };
    std::optional<size_t> refused; // the removal that would take bookings the user was not asked about
    int appeared = 0;
    bool gone = false;
    const bool ok = Sql::inTransaction(m_db, error, [&] {
        for (size_t i = 0; i < m_operations.size(); ++i) {
            const Operation& operation = m_operations[i];
            if (const auto* add = std::get_if<AddBerth>(&operation)) {
                const BerthFields& f = add->fields;
                // Active is left to the column's default.
                const auto newId = Sql::insertReturningId(
                    m_db,
                    QStringLiteral("INSERT INTO Berth (Name, Length, Width, TypeID, OwnerID, HasPower, "
                                   "Notes, DailyHireCharge, WeeklyHireCharge, MonthlyHireCharge, MaxDraft, "
                                   "TakesMultihulls) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {f.name, orNull(f.length), orNull(f.width), f.typeId, orNull(f.ownerId), f.hasPower ? 1 : 0,
                     f.notes, orNull(f.dailyHireCharge), orNull(f.weeklyHireCharge), orNull(f.monthlyHireCharge),
                     orNull(f.maxDraft), f.takesMultihulls ? 1 : 0},
                    error);
                if (!newId)
                    return false;
                storedIds[add->id] = static_cast<int>(*newId);
            } else if (const auto* remove = std::get_if<RemoveBerth>(&operation)) {
                const auto id = storedId(remove->id);
                if (!id)
                    return false;
                const auto rows = BookingReads::bookingRowsOnBerth(m_db, *id);
                if (!rows) {
                    *error = rows.error();
                    return false;
                }
                if (*rows > remove->bookingRowsAsked) {
                    refused = i;
                    appeared = *rows - remove->bookingRowsAsked;
                    if (error)
                        *error = QStringLiteral("A berth was booked meanwhile.");
                    return false;
                }
                if (const Status removed = BerthRemoval::removeRows(m_db, *id); !removed) {
                    if (error)
                        *error = removed.error();
                    return false;
                }
            } else if (const auto* set = std::get_if<SetActive>(&operation)) {
                const auto id = storedId(set->id);
                QSqlQuery q(m_db);
                if (!id || !Sql::exec(q, QStringLiteral("UPDATE Berth SET Active = ? WHERE ID = ?"),
                                      {set->active ? 1 : 0, *id}, error))
                    return false;
                if (q.numRowsAffected() == 0) {
                    refused = i; // deleted at another desk: nothing to switch
                    gone = true;
                    if (error)
                        *error = QStringLiteral("A berth was deleted meanwhile.");
                    return false;
                }
            }
        }
        return true;
    });
    if (ok) {
        m_operations.clear();
        return Done{};
    }
    if (!refused)
        return databaseFailure(errorText);
    QString message;
    {
        const int id = std::visit([](const auto& operation) { return operation.id; }, m_operations[*refused]);
        const auto stored =
            std::find_if(m_stored.begin(), m_stored.end(), [id](const BerthRow& r) { return r.id == id; });
        const QString name = stored != m_stored.end() ? stored->name : QString::number(id);
        if (gone) {
            message = tr("Berth '%1' has been deleted at another desk meanwhile. Nothing was saved, and the changes "
                         "to it are dropped: press OK to save the other changes.")
                          .arg(name);
        } else {
            // One arg() for both, so a berth name holding "%2" is not read as a place holder. Two whole sentences,
            // so a translation needs no English plural ending.
            message = appeared == 1
                          ? tr("Berth '%1' has been booked at another desk since you removed it (1 new booking). "
                               "Nothing was saved, and the berth is listed again: remove it again to delete it with "
                               "its bookings, or press OK to save the other changes.")
                                .arg(name)
                          : tr("Berth '%1' has been booked at another desk since you removed it (%2 new bookings). "
                               "Nothing was saved, and the berth is listed again: remove it again to delete it with "
                               "its bookings, or press OK to save the other changes.")
                                .arg(name, QString::number(appeared));
        }
        // The refused change goes (with every change to a berth that no longer exists). Each change appended one
        // event, so the two lists share their positions.
        for (size_t i = m_operations.size(); i-- > 0;) {
            const int opId = std::visit([](const auto& operation) { return operation.id; }, m_operations[i]);
            if (i == *refused || (gone && opId == id)) {
                m_operations.erase(m_operations.begin() + static_cast<std::ptrdiff_t>(i));
                m_events.removeAt(static_cast<qsizetype>(i));
            }
        }
    }
    return conflict(message);
}

void BerthChangeSet::logEvents(IEventLog& events)
{
    for (const PendingEvent& event : std::as_const(m_events))
        events.log(event.code, event.description);
    m_events.clear();
}
