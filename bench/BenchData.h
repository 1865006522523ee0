#pragma once

// The generated harbour the booking and calendar benchmarks share: 2,000 berths in their busy season, made once
// per size and kept in the temp folder (never in the source tree).
#include "core/DataGenerator.h"
#include "core/Database.h"
#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <vector>

namespace BenchData {

inline constexpr int Berths = 2000;
inline const QDate HistoryStart(2000, 1, 1);

inline DataGenerator::Sizes Sizes(int bookings)
{
    return DataGenerator::BusyHarbour(Berths, bookings, HistoryStart);
}

inline QString GeneratedHarbour(int bookings)
{
    const QString path = QDir::temp().filePath(QStringLiteral("zem-bench-busy-%1.sqlite").arg(bookings));
    if (QFile::exists(path))
        return path;
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    QString error;
    if (!Database::CreateDatabase(temp, &error))
        qFatal("%s", qPrintable(error));
    {
        const auto db = Database::Open(temp, QStringLiteral("generate"), 500, &error);
        std::fprintf(stderr, "generating %d bookings into %s ...\n", bookings, qPrintable(path));
        // A file being made from nothing needs no journal: a failure throws the whole file away.
        if (!db || !Sql::Exec(*db, QStringLiteral("PRAGMA journal_mode = OFF")) ||
            !Sql::Exec(*db, QStringLiteral("PRAGMA synchronous = OFF")) ||
            !Sql::Exec(*db, QStringLiteral("PRAGMA cache_size = -1048576")))
            qFatal("cannot prepare %s", qPrintable(temp));
        QElapsedTimer timer;
        timer.start();
        if (!DataGenerator::Generate(*db, Sizes(bookings), &error))
            qFatal("%s", qPrintable(error));
        std::fprintf(stderr, "generated in %.1f s\n", timer.elapsed() / 1000.0);
    }
    Database::Close(QStringLiteral("generate"));
    QFile::rename(temp, path);
    return path;
}

/// Opens the generated harbour (or a scratch copy of it, for benchmarks that write).
inline QSqlDatabase Open(int bookings, const QString& name, bool copy = false)
{
    QString path = GeneratedHarbour(bookings);
    if (copy) {
        const QString scratch = QDir::temp().filePath(QStringLiteral("zem-bench-scratch.sqlite"));
        QFile::remove(scratch);
        QFile::copy(path, scratch);
        path = scratch;
    }
    QString error;
    const auto db = Database::Open(path, name, 500, &error);
    if (!db)
        qFatal("%s", qPrintable(error));
    return *db;
}

/// Days spread over the history (its first and last two months left out), so no part of it is favoured.
inline std::vector<QDate> Days(int bookings, int count, quint32 seed)
{
    const auto sizes = Sizes(bookings);
    const QDate first = sizes.from.addDays(60);
    const qint64 span = first.daysTo(sizes.until.addDays(-90));
    QRandomGenerator random(seed);
    std::vector<QDate> days;
    for (int i = 0; i < count; ++i)
        days.push_back(first.addDays(qint64(random.bounded(quint32(span)))));
    return days;
}

} // namespace BenchData
