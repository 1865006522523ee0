#include "core/DateTimes.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace DateTimes {

namespace {
const QString DbFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

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

QString dateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // A two-digit year reads 1926 or 2026 by guesswork.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString dateTimeFormat()
{
    return dateFormat() + QStringLiteral(" HH:mm");
}

namespace {
// The order of day, month and year in the regional format, as the letters 'd', 'M' and 'y'.
QString partOrder()
{
    const QString format = dateFormat();
    QString order;
    for (const QChar c : format) {
        if ((c == u'd' || c == u'M' || c == u'y') && !order.contains(c))
            order += c;
    }
    return order.size() == 3 ? order : QStringLiteral("dMy");
}
} // namespace

std::optional<QDate> readTypedDate(const QString& typed, const QDate& yearOf)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.size() > 16)
        return std::nullopt;
    const QString order = partOrder();
    QStringList parts;
    if (text.contains(QRegularExpression(QStringLiteral("[/.\\- ]")))) {
        parts = text.split(QRegularExpression(QStringLiteral("[/.\\- ]+")), Qt::SkipEmptyParts);
        // Day and month alone stand in the order of the full date, without its year.
        if (parts.size() == 2)
            parts.insert(order.indexOf(u'y'), QString());
    } else {
        // Bare digits: the year takes four or two, the day and the month two each.
        const qsizetype yearLength = text.size() == 8 ? 4 : text.size() == 6 ? 2 : text.size() == 4 ? 0 : -1;
        if (yearLength < 0)
            return std::nullopt;
        qsizetype at = 0;
        for (const QChar part : order) {
            const qsizetype length = part == u'y' ? yearLength : 2;
            parts << text.mid(at, length);
            at += length;
        }
    }
    if (parts.size() != 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts[i];
        const bool year = order[i] == u'y';
        if (part.isEmpty() && year) {
            values[i] = yearOf.year();
            continue;
        }
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || part.size() > (year ? 4 : 2) || (year && part.size() != 2 && part.size() != 4) || value < 0)
            return std::nullopt;
        values[i] = year && part.size() == 2 ? 2000 + value : value;
    }
    const QDate date(values[order.indexOf(u'y')], values[order.indexOf(u'M')], values[order.indexOf(u'd')]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString typedDateHint()
{
    const QDate example(2026, 12, 11);
    QString digits;
    for (const QChar part : partOrder())
        digits += example.toString(part == u'd'   ? QStringLiteral("dd")
                                   : part == u'M' ? QStringLiteral("MM")
                                                  : QStringLiteral("yyyy"));
    return QCoreApplication::translate("DateTimes", "Type a date as %1, for example %2 or %3")
        .arg(dateFormat(), example.toString(dateFormat()), digits);
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

} // namespace DateTimes
