#pragma once

#include "core/Result.h"
#include "core/Seams.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

class QIODevice;
class QSqlQuery;

/// The exports: a query's result or a table built in memory written as a comma-separated file. What the user is
/// asked and told is ExportMenu's.
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

/// How values become text. Regional: as the office's regional format writes them, what the three File menu exports
/// have always written. Plain: what a spreadsheet reads as numbers and dates in any language, for the newer exports
/// (payments, cash-up, figures): dates "yyyy-MM-dd" (a time after a space as "HH:mm:ss"), amounts with two
/// decimals and a point (Money::plainText), numbers in plain digits.
enum class Style
{
    Regional,
    Plain
};

/// Turns stored values into the text a spreadsheet user expects, in the regional format: dates as the system's
/// general date, numbers without group separators, money with two decimals and no currency sign; or in the plain
/// style. Yes/no as True/False, NULL as nothing, text a spreadsheet would run as a formula made harmless.
class ValueText final
{
public:
    explicit ValueText(const QLocale& locale = QLocale::system(), Style style = Style::Regional);
    QString text(const QVariant& value, ValueKind kind);
    /// Whether whole numbers read as the C locale writes them (ASCII digits, "-"), so they need no conversion.
    bool plainDigits() const { return m_plainDigits; }

private:
    QLocale m_locale;
    QChar m_decimalPoint;
    bool m_plainDigits = false;
    bool m_plain = false;
};

/// Writes the header line of the result's column names and then every row, starting at the row the query
/// stands on (already fetched with next()). UTF-8 with a byte-order mark; written to out as it goes. The number of
/// rows written, or why the device or the query stopped.
Result<qint64> writeRows(QSqlQuery& rows, QIODevice& out, const QLocale& locale = QLocale::system(),
                         Style style = Style::Regional);

/// A table built in memory (the cash-up, a figure): the header, each column's kind and the rows' values (money as
/// its units, dates as QDate). Written in the plain style.
struct Table
{
    QStringList columns;
    QList<ValueKind> kinds;
    QList<QVariantList> rows;
};
/// The same file as writeRows makes, from a table; the number of rows written.
Result<qint64> writeTable(const Table& table, QIODevice& out);

/// One File menu export: its statement and values, the file name the save dialog proposes, the dialog's title and
/// the event written after every use (also when there was nothing to export or the dialog was cancelled).
struct Command
{
    QString sql;
    QVariantList binds;
    QString proposedName;
    QString title;
    int event = 0;
    Style style = Style::Regional;
};
Command customers();
Command reservations();
Command todaysReservations(const QDate& today);
/// Every payment, deposit, refund and correction recorded from the first day to the last, for the accountant; in
/// the plain style.
Command payments(const QDate& first, const QDate& last);

/// "There is no data to export".
QString noData();

/// The customers export's statement.
QString customersSql();

/// The export's rows, standing on the first. "There is no data to export" (refused) when there is no row or the
/// statement fails; the reason for a failure goes to the diagnostic log.
Result<std::unique_ptr<QSqlQuery>> firstRow(const QSqlDatabase& db, const Command& command);

/// The save dialog for the export: the documents folder, the proposed name, CSV preselected.
FileRequest saveRequest(const Command& command);

/// A path typed without an extension gets ".csv".
QString withCsvExtension(const QString& path);

/// Writes the rows to the file through QSaveFile, so a failure leaves no partial file (and the previous file, if
/// any, in place). A failure also goes to the diagnostic log.
Status writeFile(QSqlQuery& rows, const QString& path, Style style = Style::Regional);
Status writeFile(const Table& table, const QString& path);

} // namespace CsvExport
