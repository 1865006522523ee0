#pragma once

#include "calendars/CalendarFiles.h"
#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// The office's availability published as calendars: one .ics per active berth (berth-<ID>.ics) and per berth type
/// (type-<ID>.ics) in a folder the office puts on its web site. A berth is busy on each night a booking, a block or
/// a contract's hold keeps it; a type is busy on the nights none of its berths is free. Only busy periods are
/// written: no names, no prices. A file is written again only when what it says changed, each through a temporary
/// file renamed into place, readable by its owner only.
class FeedPublisher final
{
public:
    /// The nights published from today on.
    static constexpr int HorizonDays = 2 * 366;

    struct Pass
    {
        int written = 0;
        int unchanged = 0;
        int removed = 0; // files of berths or types that are no longer there
    };

    /// The live availability page's data, beside the calendars.
    static inline const QString AvailabilityFile = QStringLiteral("availability.json");
    static QString berthFileName(int berthId);
    static QString typeFileName(int typeId);

    /// The busy nights of every active berth from today over the horizon, by berth ID, and those of each type.
    struct Busy
    {
        QHash<int, QList<CalendarFiles::BusyNights>> berths;
        QHash<int, QList<CalendarFiles::BusyNights>> types;
        QHash<int, QString> berthNames;
        QHash<int, QString> typeNames;
        struct Size
        {
            int typeId = 0;
            double length = 0; // metres; 0 when not known
            double beam = 0;
            double draft = 0;
        };
        QHash<int, Size> sizes; // by berth
    };
    static Result<Busy> readBusy(const QSqlDatabase& db, const QDate& today);

    /// The nights the live availability page shows.
    static constexpr int PageDays = 186;
    /// For the live availability page: per berth type, from today, each night's number of free berths and the
    /// largest length, beam and draft among them (metres). No names, no bookings.
    static QByteArray availabilityJson(const Busy& busy, const QDate& today, const QDateTime& stampUtc);

    /// Writes what changed since this publisher's last pass into folder (made when missing).
    Result<Pass> publish(const QSqlDatabase& db, const QString& folder, const QDate& today, const QDateTime& stampUtc);

private:
    QString m_folder;
    QHash<QString, size_t> m_written; // file name -> what it says, as last written
};
