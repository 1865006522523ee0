#pragma once

#include "core/CsvReader.h"
#include "core/DateTimes.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

/// What a file brought in from another system holds and how it is read: the kinds of file, each kind's fields, the
/// mapping of the file's columns to them, and how its dates and amounts are written.
namespace ImportFields {

/// Numbered as ImportBatch.Kind stores them.
enum class Kind
{
    CustomersWithBoats = 0,
    Berths = 1,
    Bookings = 2,
    OpeningBalances = 3,
    Contracts = 4
};
inline constexpr Kind Kinds[] = {Kind::CustomersWithBoats, Kind::Berths, Kind::Bookings, Kind::OpeningBalances,
                                 Kind::Contracts};
/// "Customers with boats", ...
QString kindName(Kind kind);

/// One field a row can fill: the key the mapping keeps, the caption shown, and whether a row needs it.
struct Field
{
    QString key;
    QString caption;
    bool required = false;
};
QList<Field> fields(Kind kind);

/// Which column (from 0) fills each field, by the field's key; a field without a column is not in it.
using Mapping = QHash<QString, int>;
/// The mapping proposed for a file's headings: each field to the column whose heading is its key or caption, letter
/// case and everything but letters and digits aside.
Mapping proposed(Kind kind, const QStringList& headings);
/// The captions of the required fields the mapping leaves without a column; empty when there is none.
QStringList unmappedRequired(Kind kind, const Mapping& mapping);

/// How the file writes dates and amounts.
enum class AmountStyle
{
    PointDecimal, // 1,234.56
    CommaDecimal  // 1.234,56
};
inline constexpr DateTimes::DateStyle DateStyles[] = {
    DateTimes::DateStyle::DayMonthYear, DateTimes::DateStyle::MonthDayYear, DateTimes::DateStyle::YearMonthDay};
/// "31/12/2026", "12/31/2026", "2026-12-31"
QString dateStyleExample(DateTimes::DateStyle style);
/// "1,234.56", "1.234,56"
QString amountStyleExample(AmountStyle style);

/// Reads a file's cells: dates in its style, amounts and sizes in its notation, yes/no in the usual words.
class Cells final
{
public:
    Cells(DateTimes::DateStyle dates, AmountStyle amounts);
    /// The date; Refused with the reason ("There is no 31/02/2026...").
    Result<QDate> date(const QString& text) const;
    /// An amount of money within limit either way; Refused saying the text is not money.
    Result<Money> amount(const QString& text, Money limit) const;
    /// A size in metres, above 0 and at most 200 m; nothing for an empty cell.
    Result<std::optional<double>> metres(const QString& text) const;
    /// A whole number from 0 to max; nothing for an empty cell.
    Result<std::optional<int>> count(const QString& text, int max) const;
    /// Yes for "yes", "y", "true", "1", "x" and the like; no for an empty cell and the opposites.
    Result<bool> yesNo(const QString& text) const;

private:
    DateTimes::DateStyle m_dates;
    QLocale m_locale;
};

/// Mappings kept by name for the next file of the same kind: each field's heading.
namespace Saved {
Result<QStringList> names(const QSqlDatabase& db, Kind kind);
/// Keeps the mapping under name (replacing one of that name) as the headings its columns have.
Status save(const QSqlDatabase& db, Kind kind, const QString& name, const Mapping& mapping,
            const QStringList& headings);
/// The mapping kept under name applied to these headings: fields whose heading is not among them stay unmapped.
Result<Mapping> load(const QSqlDatabase& db, Kind kind, const QString& name, const QStringList& headings);
} // namespace Saved

} // namespace ImportFields
