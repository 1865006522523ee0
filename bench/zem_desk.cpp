// One desk without a person, for the concurrency and kill drills (bench/concurrency-drill.sh, bench/kill-drill.sh):
//   zem_desk create DATABASE             a fresh database with 20 berths and 20 customers
//   zem_desk run DATABASE DESK ROUNDS LOG [WEEKS]
//                                        saves ROUNDS random bookings of 1-3 of the berths over WEEKS (3) weeks through
//                                        BookingStore::saveBooking and prints the desk's counts; LOG gets one line
//                                        per attempt ("try NOTE BERTHS") and per outcome ("saved NOTE ID",
//                                        "taken NOTE", "busy NOTE", "lost NOTE", "error NOTE")
//   zem_desk check DATABASE [LOG...]     overlapping booked berths, bookings without berths and, against the logs,
//                                        saved bookings missing or not whole and bookings no desk attempted
// DATABASE is a file path or a postgresql:// address.
#include "bookings/BookingStore.h"
#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <QThread>
#include <cstdio>

namespace {

constexpr int Berths = 20;
constexpr int BusyTimeoutMs = 500; // as a desk's own connection waits for a busy file
const QString Connection = QStringLiteral("desk");

int create(const QString& data)
{
    if (const Status made = Database::createDatabase(data); !made) {
        std::fprintf(stderr, "%s\n", qPrintable(made.error()));
        return 1;
    }
    auto opened = Database::open(data, Connection, BusyTimeoutMs);
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
        return 1;
    }
    std::optional<QSqlDatabase> db = *opened;
    QString error;
    const bool ok = Sql::inTransaction(*db, &error, [&] {
        for (int i = 1; i <= Berths; ++i) {
            if (!Sql::exec(*db,
                           QStringLiteral("INSERT INTO Berth (ID, Name, Length, Width, HasPower, Active) "
                                          "VALUES (?, ?, 12, 4, 1, 1)"),
                           {i, QStringLiteral("P%1").arg(i)}, &error) ||
                !Sql::exec(*db, QStringLiteral("INSERT INTO Customer (ID, Name) VALUES (?, ?)"),
                           {i, QStringLiteral("Skipper %1").arg(i)}, &error))
                return false;
        }
        return true;
    });
    db.reset();
    Database::close(Connection);
    if (!ok)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return ok ? 0 : 1;
}

struct Counts
{
    int saved = 0, taken = 0, busy = 0, lost = 0, errors = 0;
};

BookingRecord randomBooking(QRandomGenerator& random, const QString& note, int weeks)
{
    // Weeks from the start of July, whole hours, half a day to four days: desks collide often.
    BookingRecord b;
    b.customerId = random.bounded(1, Berths + 1);
    b.fromDate = DateTimes::wallTime(QDate(2027, 7, 1), QTime(0, 0)).addSecs(3600 * random.bounded(weeks * 7 * 24));
    b.toDate = b.fromDate.addSecs(3600 * random.bounded(12, 4 * 24));
    b.bookedBy = note.section(u'-', 0, 0);
    b.notes = note;
    const int count = random.bounded(1, 4);
    while (b.berthIds.size() < count) {
        const int berth = random.bounded(1, Berths + 1);
        if (!b.berthIds.contains(berth)) {
            b.berthIds.append(berth);
            b.berthNames.append(QStringLiteral("P%1").arg(berth));
        }
    }
    return b;
}

int run(const QString& data, const QString& desk, int rounds, const QString& logPath, int weeks)
{
    QFile logFile(logPath);
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(desk), qPrintable(logPath));
        return 1;
    }
    QTextStream log(&logFile);
    QRandomGenerator random(qHash(desk) ^ quint32(QCoreApplication::applicationPid()));
    Counts counts;
    std::optional<QSqlDatabase> db;
    QString lastLost;
    for (int round = 1; round <= rounds; ++round) {
        QString error;
        if (!db) {
            auto opened = Database::open(data, Connection, BusyTimeoutMs);
            error = opened.error();
            if (opened)
                db = *opened;
            if (!db) {
                // The server is away: this round is lost to the desk, the next one tries again.
                ++counts.lost;
                if (error != lastLost)
                    std::fprintf(stderr, "%s: cannot reach the database: %s\n", qPrintable(desk), qPrintable(error));
                lastLost = error;
                QThread::msleep(100);
                continue;
            }
        }
        const QString note = QStringLiteral("%1-%2").arg(desk).arg(round);
        const BookingRecord booking = randomBooking(random, note, weeks);
        log << "try " << note << ' ' << booking.berthIds.size() << Qt::endl;
        BookingStore::Overtaken overtaken = BookingStore::Overtaken::Nothing;
        auto result = BookingStore::saveBooking(*db, booking, &overtaken);
        // A busy file is tried again a few times, as a person would press Confirm again.
        for (int attempt = 1; attempt < 3 && result.error().contains(QStringLiteral("database is locked")); ++attempt)
            result = BookingStore::saveBooking(*db, booking, &overtaken);
        if (result) {
            ++counts.saved;
            log << "saved " << note << ' ' << result->id << Qt::endl;
        } else if (overtaken == BookingStore::Overtaken::BerthsTaken) {
            ++counts.taken;
            log << "taken " << note << Qt::endl;
        } else if (result.error().contains(QStringLiteral("database is locked"))) {
            ++counts.busy;
            log << "busy " << note << Qt::endl;
        } else if (Dialect::of(*db).isConnectionLost(*db, db->lastError()) || !db->isOpen()) {
            ++counts.lost;
            log << "lost " << note << Qt::endl;
            std::fprintf(stderr, "%s: connection lost: %s\n", qPrintable(desk), qPrintable(result.error()));
            db.reset();
            Database::close(Connection);
        } else {
            ++counts.errors;
            log << "error " << note << ' ' << result.error().simplified() << Qt::endl;
            std::fprintf(stderr, "%s: %s\n", qPrintable(desk), qPrintable(result.error()));
        }
    }
    db.reset();
    Database::close(Connection);
    std::printf("%s saved %d taken %d busy %d lost %d errors %d\n", qPrintable(desk), counts.saved, counts.taken,
                counts.busy, counts.lost, counts.errors);
    return 0;
}

int checkOpen(const QString& data, const QStringList& logs)
{
    QString error;
    const auto db = Database::open(data, Connection, 5000);
    if (!db) {
        std::fprintf(stderr, "%s\n", qPrintable(db.error()));
        return 1;
    }
    // Two bookings holding one berth at overlapping times (a departure at the next arrival is no overlap).
    const auto overlaps = Sql::scalar(
        *db,
        QStringLiteral("SELECT COUNT(*) FROM BookingBerth X JOIN Booking B ON B.ID = X.BookingID "
                       "JOIN BookingBerth Y ON Y.BerthID = X.BerthID AND Y.BookingID > X.BookingID "
                       "JOIN Booking C ON C.ID = Y.BookingID WHERE B.FromDate < C.ToDate AND C.FromDate < B.ToDate"),
        {}, &error);
    const auto bookings = Sql::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Booking"), {}, &error);
    const auto bare =
        Sql::scalar(*db,
                    QStringLiteral("SELECT COUNT(*) FROM Booking B WHERE NOT EXISTS (SELECT 1 FROM BookingBerth X "
                                   "WHERE X.BookingID = B.ID)"),
                    {}, &error);
    if (!overlaps || !bookings || !bare) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("bookings %d overlaps %d without-berths %d", bookings->toInt(), overlaps->toInt(), bare->toInt());
    int failures = overlaps->toInt() + bare->toInt();
    if (!logs.isEmpty()) {
        // What each desk attempted (berth count) and what it was told.
        QHash<QString, int> tried;
        QHash<QString, QString> told;
        for (const QString& path : logs) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            while (!file.atEnd()) {
                const QStringList words = QString::fromUtf8(file.readLine()).split(u' ', Qt::SkipEmptyParts);
                if (words.size() >= 3 && words[0] == QStringLiteral("try"))
                    tried.insert(words[1], words[2].trimmed().toInt());
                else if (words.size() >= 2)
                    told.insert(words[1].trimmed(), words[0]);
            }
        }
        QSqlQuery q(*db);
        if (!Sql::exec(q,
                       QStringLiteral("SELECT B.Notes, COUNT(X.BerthID) FROM Booking B LEFT JOIN BookingBerth X "
                                      "ON X.BookingID = B.ID GROUP BY B.ID, B.Notes"),
                       {}, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        QHash<QString, int> stored;
        int notWhole = 0, unknown = 0, savedUntold = 0;
        while (q.next()) {
            const QString note = q.value(0).toString();
            stored.insert(note, q.value(1).toInt());
            if (!tried.contains(note))
                ++unknown;
            else if (tried.value(note) != q.value(1).toInt())
                ++notWhole;
            else if (told.value(note) != QStringLiteral("saved"))
                ++savedUntold; // committed while the desk lost its connection: whole, but the desk could not know
        }
        int missing = 0;
        for (auto it = told.cbegin(); it != told.cend(); ++it) {
            if (it.value() == QStringLiteral("saved") && !stored.contains(it.key()))
                ++missing;
        }
        std::printf(" saved-missing %d not-whole %d unknown %d committed-while-lost %d", missing, notWhole, unknown,
                    savedUntold);
        failures += missing + notWhole + unknown;
    }
    std::printf("\n");
    return failures == 0 ? 0 : 3;
}

int check(const QString& data, const QStringList& logs)
{
    const int failures = checkOpen(data, logs);
    Database::close(Connection);
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QStringLiteral("create"))
        return create(args[1]);
    const int weeks = args.size() == 6 ? args[5].toInt() : 3;
    if ((args.size() == 5 || args.size() == 6) && args[0] == QStringLiteral("run") && args[3].toInt() > 0 &&
        weeks > 0 && weeks <= 520)
        return run(args[1], args[2], args[3].toInt(), args[4], weeks);
    if (args.size() >= 2 && args[0] == QStringLiteral("check"))
        return check(args[1], args.mid(2));
    std::fprintf(stderr,
                 "usage: zem_desk create DATABASE | run DATABASE DESK ROUNDS LOG [WEEKS] | check DATABASE [LOG...]\n");
    return 2;
}
