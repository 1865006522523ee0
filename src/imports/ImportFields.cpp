#include "imports/ImportFields.h"

#include "core/InputParsing.h"
#include "core/SqlHelpers.h"
#include "people/Boats.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <cmath>

namespace ImportFields {
namespace {
// What a heading is compared by: letters and digits only, lower case ("E-mail" is "email").
QString headingKey(const QString& heading)
{
    QString key;
    for (const QChar c : heading)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}
} // namespace

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Berths:
        return QCoreApplication::translate("ImportFields", "Berths and berth types");
    case Kind::Bookings:
        return QCoreApplication::translate("ImportFields", "Bookings");
    case Kind::OpeningBalances:
        return QCoreApplication::translate("ImportFields", "Opening balances");
    case Kind::Contracts:
        return QCoreApplication::translate("ImportFields", "Contracts");
    case Kind::CustomersWithBoats:
        break;
    }
    return QCoreApplication::translate("ImportFields", "Customers with boats");
}

QList<Field> fields(Kind kind)
{
    const Field reference{QStringLiteral("ref"), QCoreApplication::translate("ImportFields", "Old reference"), false};
    switch (kind) {
    case Kind::CustomersWithBoats:
        return {reference,
                {QStringLiteral("name"), QCoreApplication::translate("ImportFields", "Name"), true},
                {QStringLiteral("houseName"), QCoreApplication::translate("ImportFields", "House name"), false},
                {QStringLiteral("street"), QCoreApplication::translate("ImportFields", "Street"), false},
                {QStringLiteral("area"), QCoreApplication::translate("ImportFields", "Area"), false},
                {QStringLiteral("town"), QCoreApplication::translate("ImportFields", "Town"), false},
                {QStringLiteral("postCode"), QCoreApplication::translate("ImportFields", "Post code"), false},
                {QStringLiteral("telNo"), QCoreApplication::translate("ImportFields", "Phone"), false},
                {QStringLiteral("mobileNo"), QCoreApplication::translate("ImportFields", "Mobile"), false},
                {QStringLiteral("email"), QCoreApplication::translate("ImportFields", "E-mail"), false},
                {QStringLiteral("notes"), QCoreApplication::translate("ImportFields", "Notes"), false},
                {QStringLiteral("language"), QCoreApplication::translate("ImportFields", "Language"), false},
                {QStringLiteral("boatRef"), QCoreApplication::translate("ImportFields", "Boat reference"), false},
                {QStringLiteral("boatName"), QCoreApplication::translate("ImportFields", "Boat name"), false},
                {QStringLiteral("registration"), QCoreApplication::translate("ImportFields", "Registration"), false},
                {QStringLiteral("length"), QCoreApplication::translate("ImportFields", "Length (m)"), false},
                {QStringLiteral("beam"), QCoreApplication::translate("ImportFields", "Beam (m)"), false},
                {QStringLiteral("draft"), QCoreApplication::translate("ImportFields", "Draft (m)"), false}};
    case Kind::Berths:
        return {reference,
                {QStringLiteral("name"), QCoreApplication::translate("ImportFields", "Berth"), true},
                {QStringLiteral("type"), QCoreApplication::translate("ImportFields", "Berth type"), false},
                {QStringLiteral("length"), QCoreApplication::translate("ImportFields", "Length (m)"), false},
                {QStringLiteral("width"), QCoreApplication::translate("ImportFields", "Width (m)"), false},
                {QStringLiteral("draft"), QCoreApplication::translate("ImportFields", "Maximum draft (m)"), false},
                {QStringLiteral("power"), QCoreApplication::translate("ImportFields", "Power"), false},
                {QStringLiteral("daily"), QCoreApplication::translate("ImportFields", "Daily charge"), false}};
    case Kind::Bookings:
        return {
            reference,
            {QStringLiteral("customer"), QCoreApplication::translate("ImportFields", "Customer reference"), true},
            {QStringLiteral("berth"), QCoreApplication::translate("ImportFields", "Berth"), true},
            {QStringLiteral("arrival"), QCoreApplication::translate("ImportFields", "Arrival"), true},
            {QStringLiteral("departure"), QCoreApplication::translate("ImportFields", "Departure"), true},
            {QStringLiteral("registration"), QCoreApplication::translate("ImportFields", "Boat registration"), false},
            {QStringLiteral("total"), QCoreApplication::translate("ImportFields", "Total"), false},
            {QStringLiteral("adults"), QCoreApplication::translate("ImportFields", "Adults"), false},
            {QStringLiteral("notes"), QCoreApplication::translate("ImportFields", "Notes"), false}};
    case Kind::OpeningBalances:
        return {{QStringLiteral("booking"), QCoreApplication::translate("ImportFields", "Booking reference"), true},
                {QStringLiteral("amount"), QCoreApplication::translate("ImportFields", "Amount paid"), true},
                {QStringLiteral("date"), QCoreApplication::translate("ImportFields", "Date"), false}};
    case Kind::Contracts:
        return {reference,
                {QStringLiteral("customer"), QCoreApplication::translate("ImportFields", "Customer reference"), true},
                {QStringLiteral("berth"), QCoreApplication::translate("ImportFields", "Berth"), true},
                {QStringLiteral("term"), QCoreApplication::translate("ImportFields", "Term"), false},
                {QStringLiteral("first"), QCoreApplication::translate("ImportFields", "First day"), false},
                {QStringLiteral("last"), QCoreApplication::translate("ImportFields", "Last day"), false},
                {QStringLiteral("price"), QCoreApplication::translate("ImportFields", "Price"), false},
                {QStringLiteral("instalments"), QCoreApplication::translate("ImportFields", "Instalments"), false}};
    }
    return {};
}

Mapping proposed(Kind kind, const QStringList& headings)
{
    Mapping mapping;
    for (const Field& field : fields(kind)) {
        for (qsizetype i = 0; i < headings.size(); ++i) {
            const QString key = headingKey(headings.at(i));
            if (!key.isEmpty() && (key == headingKey(field.key) || key == headingKey(field.caption))) {
                mapping.insert(field.key, int(i));
                break;
            }
        }
    }
    return mapping;
}

QStringList unmappedRequired(Kind kind, const Mapping& mapping)
{
    QStringList missing;
    for (const Field& field : fields(kind))
        if (field.required && !mapping.contains(field.key))
            missing.append(field.caption);
    return missing;
}

QString dateStyleExample(DateTimes::DateStyle style)
{
    return QDate(2026, 12, 31).toString(DateTimes::stylePattern(style));
}

QString amountStyleExample(AmountStyle style)
{
    return style == AmountStyle::CommaDecimal ? QStringLiteral("1.234,56") : QStringLiteral("1,234.56");
}

Cells::Cells(DateTimes::DateStyle dates, AmountStyle amounts)
    : m_dates(dates), m_locale(amounts == AmountStyle::CommaDecimal ? QLocale(QLocale::German, QLocale::Germany)
                                                                    : QLocale(QLocale::English, QLocale::UnitedKingdom))
{
    m_locale.setNumberOptions(QLocale::DefaultNumberOptions);
}

Result<QDate> Cells::date(const QString& text) const
{
    // Only a full date: a file's date has its year.
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return refused(QCoreApplication::translate("ImportFields", "The date is missing."));
    return DateTimes::readDate(trimmed, QDate(), m_dates);
}

Result<Money> Cells::amount(const QString& text, Money limit) const
{
    return InputChecks::readAmount(
        text.trimmed(), limit,
        QCoreApplication::translate("ImportFields", "\"%1\" is not an amount of money (written as %2).")
            .arg(text.trimmed(), m_locale.decimalPoint() == u',' ? amountStyleExample(AmountStyle::CommaDecimal)
                                                                 : amountStyleExample(AmountStyle::PointDecimal)),
        m_locale);
}

Result<std::optional<double>> Cells::metres(const QString& text) const
{
    if (text.trimmed().isEmpty())
        return std::optional<double>();
    const auto value = InputChecks::readNumber(text, m_locale);
    if (!value || *value <= 0 || std::lround(*value * 100) > Boats::MaximumCm)
        return refused(
            QCoreApplication::translate("ImportFields", "\"%1\" is not a size in metres above 0 and up to %2 m.")
                .arg(text.trimmed())
                .arg(Boats::MaximumCm / 100));
    return value;
}

Result<std::optional<int>> Cells::count(const QString& text, int max) const
{
    if (text.trimmed().isEmpty())
        return std::optional<int>();
    const auto value = InputChecks::readWholeNumber(text, m_locale);
    if (!value || *value < 0 || *value > max)
        return refused(QCoreApplication::translate("ImportFields", "\"%1\" is not a number from 0 to %2.")
                           .arg(text.trimmed())
                           .arg(max));
    return std::optional<int>(int(*value));
}

Result<bool> Cells::yesNo(const QString& text) const
{
    const QString word = text.trimmed().toLower();
    if (word.isEmpty() ||
        QStringList{QStringLiteral("no"), QStringLiteral("n"), QStringLiteral("false"), QStringLiteral("0")}.contains(
            word))
        return false;
    if (QStringList{QStringLiteral("yes"), QStringLiteral("y"), QStringLiteral("true"), QStringLiteral("1"),
                    QStringLiteral("x")}
            .contains(word))
        return true;
    return refused(QCoreApplication::translate("ImportFields", "\"%1\" is neither yes nor no.").arg(text.trimmed()));
}

namespace Saved {

Result<QStringList> names(const QSqlDatabase& db, Kind kind)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Name FROM ImportMapping WHERE Kind = ? ORDER BY Name"), {int(kind)},
                   &error))
        return databaseFailure(error);
    QStringList found;
    while (q.next())
        found.append(q.value(0).toString());
    return found;
}

Status save(const QSqlDatabase& db, Kind kind, const QString& name, const Mapping& mapping, const QStringList& headings)
{
    if (name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("ImportFields", "Please give the mapping a name."));
    QStringList lines;
    for (const Field& field : fields(kind))
        if (const int column = mapping.value(field.key, -1); column >= 0 && column < headings.size())
            lines.append(field.key + u'=' + headings.at(column));
    Sql::Transaction tx(db);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM ImportMapping WHERE Kind = ? AND Name = ?"),
                   {int(kind), name.trimmed()}, &error) ||
        !Sql::exec(db, QStringLiteral("INSERT INTO ImportMapping (Name, Kind, Columns) VALUES (?, ?, ?)"),
                   {name.trimmed(), int(kind), lines.join(u'\n')}, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<Mapping> load(const QSqlDatabase& db, Kind kind, const QString& name, const QStringList& headings)
{
    QString error;
    const auto columns = Sql::scalar(
        db, QStringLiteral("SELECT Columns FROM ImportMapping WHERE Kind = ? AND Name = ?"), {int(kind), name}, &error);
    if (!columns)
        return error.isEmpty()
                   ? refused(QCoreApplication::translate("ImportFields", "There is no mapping called %1.").arg(name))
                   : databaseFailure(error);
    Mapping mapping;
    for (const QString& line : columns->toString().split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        if (const qsizetype column = headings.indexOf(line.mid(equals + 1)); column >= 0)
            mapping.insert(line.left(equals), int(column));
    }
    return mapping;
}

} // namespace Saved

} // namespace ImportFields
