#include "bookings/BookingHistory.h"

#include "bookings/CheckIn.h"
#include "bookings/Ledger.h"
#include "core/DateTimes.h"
#include "core/Money.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

namespace BookingHistory {
namespace {

enum class Shape
{
    Text,
    Money,
    Date,
    YesNo,
    Stay
};

struct Field
{
    QString name;
    Shape shape = Shape::Text;
};

// The booking's columns as the booking's windows name them; a column this list lacks shows by its own name.
const QHash<QString, Field>& fields()
{
    static const QHash<QString, Field> all = {
        {QStringLiteral("customerid"), {QCoreApplication::translate("BookingHistory", "Customer number")}},
        {QStringLiteral("fromdate"), {QCoreApplication::translate("BookingHistory", "Arrival"), Shape::Date}},
        {QStringLiteral("todate"), {QCoreApplication::translate("BookingHistory", "Departure"), Shape::Date}},
        {QStringLiteral("bookedby"), {QCoreApplication::translate("BookingHistory", "Booked by")}},
        {QStringLiteral("notes"), {QCoreApplication::translate("BookingHistory", "Notes")}},
        {QStringLiteral("noadults"), {QCoreApplication::translate("BookingHistory", "Adults")}},
        {QStringLiteral("nokids"), {QCoreApplication::translate("BookingHistory", "Children")}},
        {QStringLiteral("costofhire"), {QCoreApplication::translate("BookingHistory", "Cost of hire"), Shape::Money}},
        {QStringLiteral("othercharges"),
         {QCoreApplication::translate("BookingHistory", "Other charges"), Shape::Money}},
        {QStringLiteral("vat"), {QCoreApplication::translate("BookingHistory", "VAT"), Shape::Money}},
        {QStringLiteral("totalpayable"),
         {QCoreApplication::translate("BookingHistory", "Total payable"), Shape::Money}},
        {QStringLiteral("paymentmethodid"), {QCoreApplication::translate("BookingHistory", "Payment method number")}},
        {QStringLiteral("creditcardtype"), {QCoreApplication::translate("BookingHistory", "Card type")}},
        {QStringLiteral("berthconfirmationnumber"),
         {QCoreApplication::translate("BookingHistory", "Confirmation number")}},
        {QStringLiteral("guestconfirmationnumber"),
         {QCoreApplication::translate("BookingHistory", "Guest's confirmation number")}},
        {QStringLiteral("powerrequirements"), {QCoreApplication::translate("BookingHistory", "Power")}},
        {QStringLiteral("clubmember"), {QCoreApplication::translate("BookingHistory", "Club member"), Shape::YesNo}},
        {QStringLiteral("taxrate"),
         {QCoreApplication::translate("BookingHistory", "Tax rate (hundredths of a per cent)")}},
        {QStringLiteral("boatid"), {QCoreApplication::translate("BookingHistory", "Boat number")}},
        {QStringLiteral("cancelled"), {QCoreApplication::translate("BookingHistory", "Cancelled"), Shape::YesNo}},
        {QStringLiteral("cancelledberths"), {QCoreApplication::translate("BookingHistory", "Berths when cancelled")}},
        {QStringLiteral("invoicenumber"), {QCoreApplication::translate("BookingHistory", "Invoice number")}},
        {QStringLiteral("status"), {QCoreApplication::translate("BookingHistory", "Stay"), Shape::Stay}},
        {QStringLiteral("arrivedat"), {QCoreApplication::translate("BookingHistory", "Checked in"), Shape::Date}},
        {QStringLiteral("arriveddesk"), {QCoreApplication::translate("BookingHistory", "Checked in at")}},
        {QStringLiteral("departedat"), {QCoreApplication::translate("BookingHistory", "Checked out"), Shape::Date}},
        {QStringLiteral("departeddesk"), {QCoreApplication::translate("BookingHistory", "Checked out at")}},
        {QStringLiteral("depositdue"), {QCoreApplication::translate("BookingHistory", "Deposit agreed"), Shape::Money}},
        {QStringLiteral("depositby"), {QCoreApplication::translate("BookingHistory", "Deposit due by"), Shape::Date}},
        {QStringLiteral("balanceby"), {QCoreApplication::translate("BookingHistory", "Balance due by"), Shape::Date}},
    };
    return all;
}

QString amount(const QString& stored)
{
    return Money::fromDb(QVariant::fromValue<qlonglong>(stored.toLongLong())).format();
}

QString dateShown(const QString& stored)
{
    const QDateTime when = DateTimes::readDateTime(stored);
    if (!when.isValid())
        return stored;
    return when.time() == QTime(0, 0) ? DateTimes::dateText(when.date()) : DateTimes::dateTimeText(when);
}

QString shown(Shape shape, const QVariant& value)
{
    if (value.isNull())
        return {};
    const QString text = value.toString();
    switch (shape) {
    case Shape::Money:
        return amount(text);
    case Shape::Date:
        return dateShown(text);
    case Shape::YesNo:
        return text.toInt() != 0 ? QCoreApplication::translate("BookingHistory", "Yes")
                                 : QCoreApplication::translate("BookingHistory", "No");
    case Shape::Stay:
        return CheckIn::stayText(CheckIn::stayOf(text.toInt()));
    case Shape::Text:
        break;
    }
    return text;
}

// "from|to" of a booking made or deleted.
QString period(const QVariant& value)
{
    if (value.isNull())
        return {};
    const QStringList parts = value.toString().split(u'|');
    return QCoreApplication::translate("BookingHistory", "%1 to %2")
        .arg(dateShown(parts.value(0)), dateShown(parts.value(1)));
}

// "berth|season|unit|quantity|rate|amount" of a charge line.
QString chargeLine(const QVariant& value)
{
    if (value.isNull())
        return {};
    const QStringList parts = value.toString().split(u'|');
    if (parts.size() != 6)
        return value.toString();
    const QString season =
        parts.at(1).isEmpty() ? QCoreApplication::translate("BookingHistory", "daily charge") : parts.at(1);
    return QCoreApplication::translate("BookingHistory", "%1, %2: %3 x %4 = %5")
        .arg(parts.at(0), season, parts.at(3), amount(parts.at(4)), amount(parts.at(5)));
}

Change describe(const QSqlQuery& q)
{
    const QString table = q.value(0).toString().toLower();
    const QString action = q.value(1).toString();
    const QString field = q.value(2).toString().toLower();
    const QVariant before = q.value(3);
    const QVariant after = q.value(4);
    Change change{DateTimes::readDateTime(q.value(7)), {}, {}, {}, q.value(5).toString(), q.value(6).toString()};
    const bool added = action == QStringLiteral("insert");
    const bool removed = action == QStringLiteral("delete");
    if (table == QStringLiteral("booking")) {
        if (added || removed) {
            change.what = added ? QCoreApplication::translate("BookingHistory", "Booking made")
                                : QCoreApplication::translate("BookingHistory", "Booking deleted");
            (added ? change.after : change.before) = period(added ? after : before);
            return change;
        }
        const Field known = fields().value(field, Field{field});
        change.what = known.name;
        change.before = shown(known.shape, before);
        change.after = shown(known.shape, after);
    } else if (table == QStringLiteral("bookingberth")) {
        change.what = added     ? QCoreApplication::translate("BookingHistory", "Berth added")
                      : removed ? QCoreApplication::translate("BookingHistory", "Berth removed")
                                : QCoreApplication::translate("BookingHistory", "Berth changed");
        change.before = before.toString();
        change.after = after.toString();
    } else if (table == QStringLiteral("bookingcharge")) {
        change.what = added ? QCoreApplication::translate("BookingHistory", "Charge line added")
                            : QCoreApplication::translate("BookingHistory", "Charge line removed");
        change.before = chargeLine(before);
        change.after = chargeLine(after);
    } else if (table == QStringLiteral("payment")) {
        const int kind = field.toInt();
        change.what = kind >= 1 && kind <= static_cast<int>(Ledger::Kind::CreditUsed)
                          ? Ledger::kindText(static_cast<Ledger::Kind>(kind))
                          : QCoreApplication::translate("BookingHistory", "Ledger line");
        change.after = amount(after.toString());
    } else {
        change.what = table + u' ' + field;
        change.before = before.toString();
        change.after = after.toString();
    }
    return change;
}

} // namespace

Result<QList<Change>> read(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt FROM "
                                  "BookingHistory WHERE BookingID = ? ORDER BY ID"),
                   {bookingId}, &error))
        return databaseFailure(error);
    QList<Change> changes;
    while (q.next())
        changes << describe(q);
    return changes;
}

Doc::Document document(const QList<Change>& changes, const QString& heading)
{
    Doc::Document doc;
    doc.title = heading;
    doc.orientation = QPageLayout::Landscape;
    doc.reportHeader << Doc::text(heading, Doc::Style{.pointSize = 14, .bold = true, .spaceAfter = 6});
    const auto line = [](const QStringList& texts, bool bold) {
        static const QList<double> Shares{1.3, 1.5, 2, 2, 1.2, 1.2};
        return Doc::row(texts, Shares, Doc::Style{.pointSize = 9, .bold = bold, .spaceAfter = 1});
    };
    doc.pageHeader << line({QCoreApplication::translate("BookingHistory", "When"),
                            QCoreApplication::translate("BookingHistory", "Change"),
                            QCoreApplication::translate("BookingHistory", "Before"),
                            QCoreApplication::translate("BookingHistory", "After"),
                            QCoreApplication::translate("BookingHistory", "Who"),
                            QCoreApplication::translate("BookingHistory", "Desk")},
                           true)
                   << Doc::rule();
    doc.pageFooter << Doc::text(QCoreApplication::translate("BookingHistory", "Page %p of %P"),
                                Doc::Style{.pointSize = 8, .align = Qt::AlignRight});
    for (const Change& c : changes)
        doc.body << Doc::Record{
            line({DateTimes::dateTimeText(c.when), c.what, c.before, c.after, c.who, c.desk}, false)};
    if (changes.isEmpty())
        doc.body << Doc::Record{
            Doc::text(QCoreApplication::translate("BookingHistory", "No changes are recorded for this booking."))};
    return doc;
}

} // namespace BookingHistory
