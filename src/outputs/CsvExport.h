#pragma once

#include <QHash>
#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QIODevice;
class QSqlQuery;
struct Services;

/// The three File menu exports: a query's result written as a comma-separated file the user names.
namespace CsvExport {

/// How one column's values become text in the file.
enum class ValueKind
{
    Plain,
    DateTime,
    Money,
    YesNo
};

/// The kind of a result column, known by its name: the booking dates, the money columns and the yes/no flags;
/// everything else is written as the database holds it (whole numbers in the regional format).
ValueKind kindOf(const QString& columnName);

/// Turns stored values into the text a spreadsheet user expects in the regional format: dates as the system's
/// general date, numbers without group separators, money with two decimals and no currency sign, yes/no as
/// True/False, NULL as nothing.
class ValueText final
{
public:
    explicit ValueText(const QLocale& locale = QLocale::system());
    QString text(const QVariant& value, ValueKind kind);
    /// Whether whole numbers read as the C locale writes them (ASCII digits, "-"), so they need no conversion.
    bool plainDigits() const { return m_plainDigits; }

private:
    QLocale m_locale;
    QChar m_decimalPoint;
    bool m_plainDigits = false;
};

struct WriteResult
{
    bool ok = false;
    qint64 rows = 0;
    QString error; // for the diagnostic log; never shown
};

/// Writes the header line of the result's column names and then every row, starting at the row the query
/// stands on (already fetched with next()). UTF-8 with a byte-order mark; written to out as it goes.
WriteResult writeRows(QSqlQuery& rows, QIODevice& out, const QLocale& locale = QLocale::system());

/// The shared writer: "There is no data to export" when the query has no row; otherwise the save dialog (the
/// proposed name, CSV preselected) and the file, written through QSaveFile so that a failure or a cancel leaves
/// no partial file. A failed write is silent for the user (it goes to the diagnostic log). True when written.
bool exportRows(const Services& services, QSqlQuery& rows, const QString& proposedName, const QString& title);

/// The statements of the three exports (today's takes the day's first and last second as its two values).
QString customersSql();
QString reservationsSql();
QString todaysReservationsSql();

/// The File menu commands: run the query, hand it to the writer, log the command's event (after every use,
/// also when there was nothing to export or the dialog was cancelled). True when a file was written.
bool exportCustomers(const Services& services);
bool exportReservations(const Services& services);
bool exportTodaysReservations(const Services& services);

} // namespace CsvExport
