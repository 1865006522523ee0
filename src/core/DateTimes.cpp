#include "core/DateTimes.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <atomic>

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

namespace {
std::atomic<DateStyle> g_style{DateStyle::DayMonthYear};

constexpr DateStyle Styles[] = {DateStyle::DayMonthYear, DateStyle::MonthDayYear, DateStyle::DayMonthYearDots,
                                DateStyle::YearMonthDay};

// The order of day, month and year in the style in use, as the letters 'd', 'M' and 'y'.
QString partOrder(DateStyle style = dateStyle())
{
    switch (style) {
    case DateStyle::MonthDayYear:
        return QStringLiteral("Mdy");
    case DateStyle::YearMonthDay:
        return QStringLiteral("yMd");
    case DateStyle::DayMonthYear:
    case DateStyle::DayMonthYearDots:
        break;
    }
    return QStringLiteral("dMy");
}

// A weekday's name in front of a date, as a date box shows it ("Thu 31/12/2026", "Do. 31/12/2026"), in the
// interface's language or in English: its length with the blank or comma after it, 0 when there is none. A short
// name's closing dot may be left off ("Do 31/12").
qsizetype weekdayPrefix(const QString& text)
{
    // Dates start with a digit: an import reads hundreds of thousands of them through here.
    if (text.isEmpty() || !text.at(0).isLetter())
        return 0;
    for (const QLocale& names : {namesLocale(), namesLocale(QStringLiteral("en"))})
        for (int day = 1; day <= 7; ++day)
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                QString name = names.dayName(day, format);
                if (!text.startsWith(name, Qt::CaseInsensitive) && name.endsWith(u'.'))
                    name.chop(1);
                if (name.isEmpty() || !text.startsWith(name, Qt::CaseInsensitive))
                    continue;
                qsizetype at = name.size();
                while (at < text.size() && (text.at(at) == u',' || text.at(at).isSpace()))
                    ++at;
                if (at > name.size())
                    return at;
            }
    return 0;
}

QString hintFor(DateStyle style);

Failure notADate(const QString& typed, DateStyle style)
{
    return refused(QCoreApplication::translate("DateTimes", "\"%1\" is not a date. %2").arg(typed, hintFor(style)));
}

Failure otherStyle(const QString& typed, DateStyle style)
{
    return refused(QCoreApplication::translate("DateTimes", "\"%1\" is not written as dates are written here (%2). %3")
                       .arg(typed, stylePattern(style).toLower(), hintFor(style)));
}
} // namespace

void setDateStyle(DateStyle style)
{
    g_style = style;
}

DateStyle dateStyle()
{
    return g_style;
}

QString stylePattern(DateStyle style)
{
    switch (style) {
    case DateStyle::MonthDayYear:
        return QStringLiteral("MM/dd/yyyy");
    case DateStyle::DayMonthYearDots:
        return QStringLiteral("dd.MM.yyyy");
    case DateStyle::YearMonthDay:
        return QStringLiteral("yyyy-MM-dd");
    case DateStyle::DayMonthYear:
        break;
    }
    return QStringLiteral("dd/MM/yyyy");
}

std::optional<DateStyle> styleOfPattern(const QString& pattern)
{
    for (const DateStyle style : Styles)
        if (stylePattern(style) == pattern)
            return style;
    return std::nullopt;
}

QString dateFormat()
{
    return stylePattern(dateStyle());
}

QString dateTimeFormat()
{
    return dateFormat() + QStringLiteral(" HH:mm");
}

// QDate::toString with a pattern writes the C locale's names and digits, so no machine locale reaches these.
QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(dateFormat()) : QString();
}

QString dateTimeText(const QDateTime& when)
{
    return when.isValid() ? when.toString(dateTimeFormat()) : QString();
}

QString weekdayDateFormat()
{
    return QStringLiteral("ddd ") + dateFormat();
}

QString weekdayDateText(const QDate& date)
{
    return weekdayDateText(date, namesLocale());
}

QString weekdayDateText(const QDate& date, const QLocale& names)
{
    // The name from the language, the date from the style: the locale's own pattern would bring its order too.
    return date.isValid() ? names.toString(date, QStringLiteral("ddd ")) + dateText(date) : QString();
}

namespace {
std::atomic<QLocale::Language> g_namesLanguage{QLocale::English};

QLocale::Language languageOf(const QString& code)
{
    const QLocale::Language language = QLocale::codeToLanguage(code);
    return language == QLocale::AnyLanguage || language == QLocale::C ? QLocale::English : language;
}

QLocale namesOf(QLocale::Language language)
{
    // English takes its country from the style, which decides the calendar's first weekday: Sunday where the month
    // comes first. Another language takes its home country's.
    if (language == QLocale::English)
        return QLocale(QLocale::English,
                       dateStyle() == DateStyle::MonthDayYear ? QLocale::UnitedStates : QLocale::UnitedKingdom);
    return QLocale(language);
}
} // namespace

void setNamesLanguage(const QString& code)
{
    g_namesLanguage = languageOf(code);
}

QLocale namesLocale()
{
    return namesOf(g_namesLanguage);
}

QLocale namesLocale(const QString& code)
{
    return namesOf(languageOf(code));
}

Result<QDate> readDate(const QString& typed, const QDate& yearOf)
{
    return readDate(typed, yearOf, dateStyle());
}

Result<QDate> readDate(const QString& typed, const QDate& yearOf, DateStyle style)
{
    QString text = typed.trimmed();
    text = text.mid(weekdayPrefix(text));
    if (text.isEmpty() || text.size() > 16)
        return notADate(typed.trimmed(), style);
    const QString order = partOrder(style);
    QStringList parts;
    // Compiled once: an import reads hundreds of thousands of dates through here.
    static const QRegularExpression separators(QStringLiteral("[/.\\- ]+"));
    if (text.contains(separators)) {
        parts = text.split(separators, Qt::SkipEmptyParts);
        // Day and month alone stand in the order of the full date, without its year.
        if (parts.size() == 2)
            parts.insert(order.indexOf(u'y'), QString());
    } else {
        // Bare digits: the year takes four or two, the day and the month two each.
        const qsizetype yearLength = text.size() == 8 ? 4 : text.size() == 6 ? 2 : text.size() == 4 ? 0 : -1;
        if (yearLength < 0)
            return notADate(typed.trimmed(), style);
        qsizetype at = 0;
        for (const QChar part : order) {
            const qsizetype length = part == u'y' ? yearLength : 2;
            parts << text.mid(at, length);
            at += length;
        }
    }
    if (parts.size() != 3)
        return notADate(typed.trimmed(), style);
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts[i];
        const bool year = order[i] == u'y';
        if (part.isEmpty() && year) {
            values[i] = yearOf.year();
            continue;
        }
        bool ok = part.size() <= 4;
        for (const QChar c : part)
            ok = ok && c >= u'0' && c <= u'9';
        if (!ok)
            return notADate(typed.trimmed(), style);
        // A four-digit year where the day or the month stands: the date was written in another style.
        if (!year && part.size() == 4)
            return otherStyle(typed.trimmed(), style);
        if (part.size() > (year ? 4 : 2) || (year && part.size() != 2 && part.size() != 4))
            return notADate(typed.trimmed(), style);
        const int value = part.toInt();
        values[i] = year && part.size() == 2 ? 2000 + value : value;
    }
    const int year = values[order.indexOf(u'y')];
    const int month = values[order.indexOf(u'M')];
    const int day = values[order.indexOf(u'd')];
    // A month above 12 with a day that could be one: day and month typed the other way round.
    if (month > 12 && day >= 1 && day <= 12)
        return otherStyle(typed.trimmed(), style);
    if (month < 1 || month > 12 || day < 1 || year < 1)
        return notADate(typed.trimmed(), style);
    const QDate date(year, month, day);
    if (!date.isValid()) {
        const int days = QDate(year, month, 1).daysInMonth();
        return refused(QCoreApplication::translate("DateTimes", "There is no %1: %2 %3 has %4 days.")
                           .arg(typed.trimmed(), namesLocale().monthName(month), QString::number(year))
                           .arg(days));
    }
    return date;
}

QString dateShape()
{
    return dateFormat().toLower();
}

QString typedDateHint()
{
    return hintFor(dateStyle());
}

namespace {
QString hintFor(DateStyle style)
{
    const QDate example(2026, 12, 11);
    QString digits;
    for (const QChar part : partOrder(style))
        digits += example.toString(part == u'd'   ? QStringLiteral("dd")
                                   : part == u'M' ? QStringLiteral("MM")
                                                  : QStringLiteral("yyyy"));
    return QCoreApplication::translate("DateTimes", "Type a date as %1, for example %2 or %3")
        .arg(stylePattern(style).toLower(), example.toString(stylePattern(style)), digits);
}
} // namespace

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
