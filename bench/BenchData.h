#pragma once

#include "core/Seams.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

/// The generated harbours the benchmarks run on, and seams that answer without anyone there.
namespace BenchData {

/// Every generated history ends here; a longer history starts earlier.
inline const QDate HistoryEnd(2027, 1, 1);
inline QDate HistoryStart(int years)
{
    return HistoryEnd.addYears(-years);
}

/// A database of 2,000 berths, 20,000 customers and `bookings` bookings over `years` years, made once and kept
/// in the temp folder as zem-bench-<bookings>-<years>y.sqlite (two million bookings take minutes to generate).
QString GeneratedDatabase(int bookings, int years);

/// Opens that database (or, with copy, a scratch copy that may be changed) as connection name.
QSqlDatabase Open(int bookings, int years, const QString& name, bool copy);

/// Message boxes answer OK; the file dialog answers the path it is given.
class QuietMessages final : public IMessageBox
{
public:
    MsgResult Show(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgResult::Ok; }
};
class FixedFile final : public IFileDialog
{
public:
    QString Choose(const FileRequest&) override { return path; }
    QString path;
};
class NoDesktop final : public IDesktop
{
public:
    bool Open(const QUrl&) override { return false; }
};

} // namespace BenchData
