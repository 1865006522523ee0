#include "calendars/FeedPublisher.h"

#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {
using Nights = QList<CalendarFiles::BusyNights>;

// Stays touching or overlapping become one period: a subscriber needs to know the berth is taken, not by how many.
Nights merged(Nights nights)
{
    std::sort(nights.begin(), nights.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    Nights out;
    for (const auto& n : std::as_const(nights)) {
        if (!out.isEmpty() && n.first <= out.last().end)
            out.last().end = std::max(out.last().end, n.end);
        else
            out.append(n);
    }
    return out;
}

size_t signature(const QString& name, const Nights& nights)
{
    size_t seed = qHash(name);
    for (const auto& n : nights)
        seed = qHashMulti(seed, n.first.toJulianDay(), n.end.toJulianDay());
    return seed;
}

// Written beside it and renamed into place, so a reader sees the old file or the new one, never half of one. Not
// flushed to the disk one by one: a calendar lost to a power cut is written again at the next pass, and two
// thousand flushes would take seconds.
Status writeFile(const QString& path, const QByteArray& bytes)
{
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    bool done = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                file.write(bytes) == bytes.size() && file.flush();
    const QString problem = file.errorString();
    file.close();
    std::error_code renamed;
    if (done)
        std::filesystem::rename(QFile::encodeName(part).toStdString(), QFile::encodeName(path).toStdString(), renamed);
    if (!done || renamed) {
        QFile::remove(part);
        return fileFailure(
            QCoreApplication::translate("FeedPublisher", "%1 could not be written: %2")
                .arg(QDir::toNativeSeparators(path), done ? QString::fromStdString(renamed.message()) : problem));
    }
    return Done{};
}
} // namespace

QString FeedPublisher::berthFileName(int berthId)
{
    return QStringLiteral("berth-%1.ics").arg(berthId);
}

QString FeedPublisher::typeFileName(int typeId)
{
    return QStringLiteral("type-%1.ics").arg(typeId);
}

Result<FeedPublisher::Busy> FeedPublisher::readBusy(const QSqlDatabase& db, const QDate& today)
{
    Busy busy;
    QHash<int, int> typeOf;
    QHash<int, int> berthsOfType;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, Name, coalesce(TypeID, 0), coalesce(Length, 0), coalesce(Width, 0), "
                                  "coalesce(MaxDraft, 0) FROM Berth WHERE Active <> 0"),
                   {}, &error))
        return databaseFailure(error);
    while (q.next()) {
        const int id = q.value(0).toInt();
        busy.sizes.insert(id,
                          {q.value(2).toInt(), q.value(3).toDouble(), q.value(4).toDouble(), q.value(5).toDouble()});
        busy.berthNames.insert(id, q.value(1).toString());
        busy.berths.insert(id, {});
        typeOf.insert(id, q.value(2).toInt());
        ++berthsOfType[q.value(2).toInt()];
    }
    if (!Sql::exec(q, QStringLiteral("SELECT ID, Type FROM BerthType"), {}, &error))
        return databaseFailure(error);
    while (q.next())
        if (berthsOfType.contains(q.value(0).toInt()))
            busy.typeNames.insert(q.value(0).toInt(), q.value(1).toString());

    const QDate end = today.addDays(HorizonDays);
    const QDateTime epoch = DateTimes::wallTime(QDate(2000, 1, 1));
    const auto overlap = PeriodIndex::overlapping(db, PeriodIndex::floorMinute(DateTimes::wallTime(today)),
                                                  PeriodIndex::ceilMinute(DateTimes::wallTime(end)));
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1, P.FromMinute, P.ToMinute FROM %2 WHERE %3")
                       .arg(PeriodIndex::berthIdSql(), overlap.from, overlap.sql),
                   overlap.binds, &error))
        return databaseFailure(error);
    while (q.next()) {
        const auto berth = busy.berths.find(q.value(0).toInt());
        if (berth == busy.berths.end())
            continue; // a booking without a berth, or an inactive berth
        const QDateTime from = epoch.addSecs(q.value(1).toLongLong() * 60);
        const QDateTime to = epoch.addSecs(q.value(2).toLongLong() * 60);
        // The nights a stay holds: from its arrival's day to its departure's; a stay within one day holds that night.
        const QDate first = std::max(from.date(), today);
        const QDate last = std::min(std::max(to.date(), from.date().addDays(1)), end);
        if (first < last)
            berth->append({first, last});
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());

    // A type is busy on the nights every one of its berths is: count each night's busy berths.
    QHash<int, QList<int>> counts;
    for (auto it = busy.berths.begin(); it != busy.berths.end(); ++it) {
        it.value() = merged(it.value());
        QList<int>& count = counts[typeOf.value(it.key())];
        if (count.isEmpty())
            count.resize(HorizonDays + 1);
        for (const auto& n : std::as_const(it.value())) {
            ++count[today.daysTo(n.first)];
            --count[today.daysTo(n.end)];
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const int type = it.key();
        if (!busy.typeNames.contains(type))
            continue;
        const int all = berthsOfType.value(type);
        Nights nights;
        int running = 0;
        for (int day = 0; day < HorizonDays; ++day) {
            running += it.value()[day];
            if (running < all)
                continue;
            const QDate night = today.addDays(day);
            if (!nights.isEmpty() && nights.last().end == night)
                nights.last().end = night.addDays(1);
            else
                nights.append({night, night.addDays(1)});
        }
        busy.types.insert(type, nights);
    }
    return busy;
}

QByteArray FeedPublisher::availabilityJson(const Busy& busy, const QDate& today, const QDateTime& stampUtc)
{
    struct Night
    {
        int free = 0;
        double length = 0, beam = 0, draft = 0;
    };
    QHash<int, QList<Night>> byType;
    for (auto it = busy.sizes.cbegin(); it != busy.sizes.cend(); ++it) {
        if (!busy.typeNames.contains(it->typeId))
            continue;
        QList<Night>& nights = byType[it->typeId];
        nights.resize(PageDays);
        QList<bool> taken(PageDays, false);
        for (const auto& n : busy.berths.value(it.key()))
            for (qint64 d = std::max<qint64>(0, today.daysTo(n.first));
                 d < std::min<qint64>(PageDays, today.daysTo(n.end)); ++d)
                taken[d] = true;
        for (int d = 0; d < PageDays; ++d) {
            if (taken[d])
                continue;
            Night& night = nights[d];
            ++night.free;
            night.length = std::max(night.length, it->length);
            night.beam = std::max(night.beam, it->beam);
            night.draft = std::max(night.draft, it->draft);
        }
    }
    QJsonArray types;
    QList<int> ids = byType.keys();
    std::sort(ids.begin(), ids.end());
    const auto metres = [](double v) { return std::round(v * 100) / 100; };
    for (const int id : ids) {
        QJsonArray free, length, beam, draft;
        for (const Night& n : byType.value(id)) {
            free.append(n.free);
            length.append(metres(n.length));
            beam.append(metres(n.beam));
            draft.append(metres(n.draft));
        }
        types.append(QJsonObject{{QStringLiteral("id"), id},
                                 {QStringLiteral("name"), busy.typeNames.value(id)},
                                 {QStringLiteral("free"), free},
                                 {QStringLiteral("length"), length},
                                 {QStringLiteral("beam"), beam},
                                 {QStringLiteral("draft"), draft}});
    }
    const QJsonObject root{{QStringLiteral("from"), today.toString(Qt::ISODate)},
                           {QStringLiteral("nights"), PageDays},
                           {QStringLiteral("written"), stampUtc.toString(Qt::ISODate)},
                           {QStringLiteral("types"), types}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

Result<FeedPublisher::Pass> FeedPublisher::publish(const QSqlDatabase& db, const QString& folder, const QDate& today,
                                                   const QDateTime& stampUtc)
{
    if (folder != m_folder) {
        m_written.clear();
        m_folder = folder;
    }
    if (!QDir().mkpath(folder))
        return fileFailure(QCoreApplication::translate("FeedPublisher", "The folder %1 could not be made.")
                               .arg(QDir::toNativeSeparators(folder)));
    const auto busy = readBusy(db, today);
    if (!busy)
        return busy.failure();
    Pass pass;
    QSet<QString> made;
    const QDir dir(folder);
    const auto put = [&](const QString& file, const QString& name, const QString& stem,
                         const Nights& nights) -> Status {
        made.insert(file);
        const size_t says = signature(name, nights);
        const auto kept = m_written.constFind(file);
        if (kept != m_written.constEnd() && *kept == says && dir.exists(file)) {
            ++pass.unchanged;
            return Done{};
        }
        if (Status written = writeFile(dir.filePath(file), CalendarFiles::writeBusy(nights, name, stem, stampUtc));
            !written)
            return written;
        m_written.insert(file, says);
        ++pass.written;
        return Done{};
    };
    for (auto it = busy->berths.cbegin(); it != busy->berths.cend(); ++it)
        if (Status s = put(berthFileName(it.key()), busy->berthNames.value(it.key()),
                           QStringLiteral("berth-%1").arg(it.key()), it.value());
            !s)
            return s.failure();
    for (auto it = busy->types.cbegin(); it != busy->types.cend(); ++it)
        if (Status s = put(typeFileName(it.key()), busy->typeNames.value(it.key()),
                           QStringLiteral("type-%1").arg(it.key()), it.value());
            !s)
            return s.failure();
    // The page's file changes with the day as well as with the berths.
    const QByteArray page = availabilityJson(*busy, today, stampUtc);
    // Keys come in order, "written" last: what the page says is all before it.
    const size_t pageSays = qHash(page.left(page.indexOf("\"written\"")));
    made.insert(AvailabilityFile);
    if (m_written.value(AvailabilityFile) != pageSays || !dir.exists(AvailabilityFile)) {
        if (Status written = writeFile(dir.filePath(AvailabilityFile), page); !written)
            return written.failure();
        m_written.insert(AvailabilityFile, pageSays);
        ++pass.written;
    } else {
        ++pass.unchanged;
    }
    static const QRegularExpression ours(QStringLiteral("^(berth|type)-\\d+\\.ics$"));
    for (const QString& file : dir.entryList({QStringLiteral("*.ics")}, QDir::Files))
        if (ours.match(file).hasMatch() && !made.contains(file) && QFile::remove(dir.filePath(file))) {
            m_written.remove(file);
            ++pass.removed;
        }
    return pass;
}
