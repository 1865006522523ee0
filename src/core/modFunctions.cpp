#include "core/modFunctions.h"

#include "core/Database.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"

#include <QLocale>
#include <functional>

namespace modFunctions {

namespace {
const QString DbFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString ConfirmTitle = QStringLiteral("Confirm deletion");
const QString PlainQuestion = QStringLiteral("Are you sure to delete this item?");

// The half-hour rule shared by sqlDate and roundToHalfHour: minutes since midnight after rounding (may be 1440).
int roundedMinutes(const QTime& time, bool downward)
{
    int h = time.hour();
    int m = time.minute();
    if (m != 0 && m != 30) {
        if (m < 30) {
            m = downward ? 0 : 30;
        } else if (downward) {
            m = 30;
        } else {
            m = 0;
            ++h;
        }
    }
    return h * 60 + m;
}

std::optional<int> count(const QSqlDatabase& db, const QString& sql, int id, QString* error)
{
    const auto value = Sql::scalar(db, sql, {id}, error);
    if (!value)
        return std::nullopt;
    return value->toInt();
}

// What each question counts; counted again inside the delete's transaction.
const QString CustomerBookingsSql = QStringLiteral("SELECT COUNT(ID) AS c FROM Booking WHERE CustomerID = ?");
const QString OwnerBerthsSql = QStringLiteral("SELECT COUNT(ID) AS c FROM Berth WHERE OwnerID = ?");
const QString BerthBookingsSql = QStringLiteral("SELECT COUNT(*) AS c FROM BookingBerth WHERE BerthID = ?");

// Whether a delete still takes only what the user was asked about: another desk may have added rows meanwhile.
bool asAsked(const QSqlDatabase& db, const QString& countSql, int id, int asked, const QString& what, QString* error)
{
    const auto now = count(db, countSql, id, error);
    if (!now)
        return false;
    if (*now <= asked)
        return true;
    if (error)
        *error = QStringLiteral("%1 %2%3 made at another desk since you were asked. Nothing was deleted.")
                     .arg(*now - asked)
                     .arg(what, *now - asked == 1 ? QStringLiteral(" was") : QStringLiteral("s were"));
    return false;
}

// The deletes take the write lock before they count again, as a booking's save does: a booking saved at another
// desk meanwhile is either counted or waits until the delete is done, never deleted unasked.
bool inWriteTransaction(const QSqlDatabase& db, QString* error, const std::function<bool()>& work)
{
    return Sql::inTransaction(db, error, work, true);
}

bool runAll(const QSqlDatabase& db, std::initializer_list<QString> statements, int id, QString* error)
{
    for (const QString& sql : statements) {
        if (!Sql::exec(db, sql, {id}, error))
            return false;
    }
    return true;
}

} // namespace

QDateTime wallTime(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

QVariant dbDateTime(const QDateTime& when)
{
    if (!when.isValid())
        return Sql::nullText();
    return when.toString(DbFormat);
}

namespace {
// The stored form 'yyyy-MM-dd HH:mm:ss' read digit by digit: lists read thousands of these, and the general
// format parser costs tens of microseconds each. Nothing when text is not exactly that form.
std::optional<QDateTime> readStoredForm(const QString& text)
{
    if (text.size() != 19)
        return std::nullopt;
    int fields[6] = {0, 0, 0, 0, 0, 0};
    const int starts[6] = {0, 5, 8, 11, 14, 17};
    const int lengths[6] = {4, 2, 2, 2, 2, 2};
    const char separators[5] = {'-', '-', ' ', ':', ':'};
    for (int f = 0; f < 6; ++f) {
        for (int i = starts[f]; i < starts[f] + lengths[f]; ++i) {
            const QChar c = text.at(i);
            if (c < u'0' || c > u'9')
                return std::nullopt;
            fields[f] = fields[f] * 10 + (c.unicode() - u'0');
        }
        if (f < 5 && text.at(starts[f] + lengths[f]) != QLatin1Char(separators[f]))
            return std::nullopt;
    }
    const QDate date(fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return wallTime(date, time);
}
} // namespace

QDateTime readDateTime(const QVariant& value)
{
    if (value.isNull())
        return {};
    const QString text = value.toString().trimmed();
    if (const auto stored = readStoredForm(text))
        return *stored;
    QDateTime when = QDateTime::fromString(text, DbFormat);
    if (!when.isValid())
        when = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!when.isValid()) {
        const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return {};
        return wallTime(date);
    }
    return wallTime(when.date(), when.time());
}

QString generalDateText(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    // The long time format may carry a zone name; wall-clock values have none.
    timeFormat.remove(u't');
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' + when.time().toString(timeFormat.trimmed());
}

QVariant sqlDate(const QDateTime& when, bool downward)
{
    return dbDateTime(roundToHalfHour(when, downward));
}

QDateTime dateOnly(const QDateTime& when)
{
    return wallTime(when.date());
}

QDateTime roundToHalfHour(const QDateTime& when, bool downward)
{
    if (!when.isValid())
        return {};
    return dateOnly(when).addSecs(qint64(roundedMinutes(when.time(), downward)) * 60);
}

std::optional<QDateTime> parseDateByFormat(const QString& text, const QString& pattern)
{
    int values[5] = {0, 0, 0, 0, 0};
    const char letters[5] = {'y', 'M', 'd', 'h', 'm'};
    for (int i = 0; i < 5; ++i) {
        const qsizetype p = pattern.indexOf(QLatin1Char(letters[i]));
        if (p < 0)
            continue;
        const qsizetype q = pattern.lastIndexOf(QLatin1Char(letters[i]));
        const QString field = text.mid(p, q - p + 1);
        bool ok = field.size() == q - p + 1;
        for (const QChar c : field)
            ok = ok && c.isDigit();
        if (!ok)
            return std::nullopt;
        values[i] = field.toInt();
    }
    const QDate date(values[0], values[1], values[2]);
    const QTime time(values[3], values[4]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return wallTime(date, time);
}

std::optional<QSqlDatabase> openConnection(const QString& path, const QString& connectionName, int timeoutMs,
                                           QString* error)
{
    return Database::open(path, connectionName, timeoutMs, error);
}

// ---- Customers ----

bool confirmDeleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, int* bookingsAsked)
{
    if (id <= 0)
        return false;
    const auto bookings = count(db, CustomerBookingsSql, id, error);
    if (!bookings)
        return false;
    if (bookingsAsked)
        *bookingsAsked = *bookings;
    const QString question =
        *bookings == 0 ? PlainQuestion
                       : QStringLiteral("Deleting this customer will also remove all past reservations. This would "
                                        "affect historic reports. Are you sure you want to delete this customer?");
    return messages.show(question, ConfirmTitle, MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes;
}

bool deleteCustomerRows(const QSqlDatabase& db, int id, QString* error)
{
    return runAll(db,
                  {QStringLiteral("DELETE FROM BookingBerth WHERE BookingID IN "
                                  "(SELECT ID FROM Booking WHERE CustomerID = ?)"),
                   QStringLiteral("DELETE FROM Booking WHERE CustomerID = ?"),
                   QStringLiteral("DELETE FROM Customer WHERE ID = ?")},
                  id, error);
}

bool deleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error)
{
    int asked = 0;
    return confirmDeleteCustomer(db, id, messages, error, &asked) && inWriteTransaction(db, error, [&] {
               return asAsked(db, CustomerBookingsSql, id, asked, QStringLiteral("booking"), error) &&
                      deleteCustomerRows(db, id, error);
           });
}

// ---- Owners ----

bool confirmDeleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, int* berthsAsked)
{
    if (id <= 0)
        return false;
    const auto berths = count(db, OwnerBerthsSql, id, error);
    if (!berths)
        return false;
    if (berthsAsked)
        *berthsAsked = *berths;
    const QString question =
        *berths == 0 ? PlainQuestion
                     : QStringLiteral("Deleting this owner will also remove all owners berth. This would affect "
                                      "historic reports. Are you sure you want to delete this owner?");
    return messages.show(question, ConfirmTitle, MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes;
}

bool deleteOwnerRows(const QSqlDatabase& db, int id, QString* error)
{
    // The owner's berths go; the bookings made on them stay, with their money (the question names the berths
    // only, so no reservation disappears unasked).
    return runAll(
        db, {QStringLiteral("DELETE FROM Berth WHERE OwnerID = ?"), QStringLiteral("DELETE FROM Owner WHERE ID = ?")},
        id, error);
}

bool deleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error)
{
    int asked = 0;
    return confirmDeleteOwner(db, id, messages, error, &asked) && inWriteTransaction(db, error, [&] {
               return asAsked(db, OwnerBerthsSql, id, asked, QStringLiteral("berth"), error) &&
                      deleteOwnerRows(db, id, error);
           });
}

// ---- Berths ----

bool confirmDeleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, int* bookingRows)
{
    const auto rows = count(db, BerthBookingsSql, id, error);
    if (!rows)
        return false;
    if (bookingRows)
        *bookingRows = static_cast<int>(*rows);
    const QString question =
        *rows == 0 ? PlainQuestion
                   : QStringLiteral("Deleting this customer will also remove any reservations that have been made "
                                    "with it. Are you sure you want to delete the berth?");
    return messages.show(question, ConfirmTitle, MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes;
}

bool deleteBerthRows(const QSqlDatabase& db, int id, QString* error)
{
    // Only the bookings that had this berth alone go with it; a booking left without berths by some other change
    // is not this removal's to delete.
    return Sql::exec(
               db,
               QStringLiteral("DELETE FROM Booking WHERE ID IN (SELECT BookingID FROM BookingBerth WHERE BerthID = ?) "
                              "AND NOT EXISTS (SELECT 1 FROM BookingBerth BB WHERE BB.BookingID = Booking.ID AND "
                              "BB.BerthID <> ?)"),
               {id, id}, error) &&
           runAll(db,
                  {QStringLiteral("DELETE FROM BookingBerth WHERE BerthID = ?"),
                   QStringLiteral("DELETE FROM Berth WHERE ID = ?")},
                  id, error);
}

bool deleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error)
{
    int asked = 0;
    return confirmDeleteBerth(db, id, messages, error, &asked) && inWriteTransaction(db, error, [&] {
               return asAsked(db, BerthBookingsSql, id, asked, QStringLiteral("booking"), error) &&
                      deleteBerthRows(db, id, error);
           });
}

// ---- Texts ----

QCollator naturalOrder()
{
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QString productTitle()
{
    return QStringLiteral("Zem Harbour").replace(u'&', QStringLiteral("&&"));
}

QString versionText()
{
    return QStringLiteral("v %1.%2.%3").arg(ZEM_VERSION_MAJOR).arg(ZEM_VERSION_MINOR).arg(ZEM_VERSION_PATCH);
}

QString sprintf(const QString& format, const QVariantList& args)
{
    QString result;
    qsizetype next = 0;
    QString failure;
    auto take = [&](QVariant* out) {
        if (next >= args.size()) {
            failure = QStringLiteral("argument %1 is missing").arg(next + 1);
            return false;
        }
        *out = args.at(next++);
        return true;
    };
    for (qsizetype i = 0; i < format.size() && failure.isEmpty(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%') {
            result += c;
            continue;
        }
        if (++i >= format.size())
            break;
        const QChar k = format.at(i);
        QVariant arg;
        switch (k.unicode()) {
        case u'd':
        case u'D':
        case u's':
        case u'S':
            if (take(&arg))
                result += arg.toString();
            break;
        case u'h':
        case u'H':
            if (take(&arg)) {
                bool ok = false;
                const double number = arg.toDouble(&ok);
                if (!ok || number < -2147483648.0 || number > 2147483647.0) {
                    failure = QStringLiteral("argument %1 is not a 32-bit number").arg(next);
                    break;
                }
                const auto value = static_cast<quint32>(static_cast<qint32>(qRound64(number)));
                result += QStringLiteral("&H") + QString::number(value, 16).toUpper();
            }
            break;
        case u'n':
            result += QStringLiteral("\r\n");
            break;
        case u't':
            result += u'\t';
            break;
        default:
            result += k;
        }
    }
    if (!failure.isEmpty()) {
        MessageLog::logMessage(3, QStringLiteral("Sprintf: %s, [%s]"), {failure, format});
        return {};
    }
    return result;
}

} // namespace modFunctions
