#include "outputs/CsvExport.h"

#include "bookings/BookingReports.h"
#include "bookings/Ledger.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Money.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

namespace CsvExport {

QString noData()
{
    return QCoreApplication::translate("CsvExport", "There is no data to export");
}

namespace {
QString csvFilter()
{
    return QCoreApplication::translate("CsvExport", "CSV Files (*.csv)");
}
QString filters()
{
    return QCoreApplication::translate("CsvExport", "All Files (*.*)") + QStringLiteral(";;") + csvFilter() +
           QStringLiteral(";;") + QCoreApplication::translate("CsvExport", "Text Files (*.txt)");
}
// Written in pieces of about this size, so a large export never holds the whole file in memory.
constexpr qsizetype ChunkBytes = 1 << 20;
// The remembered dates are dropped when there are this many, so a long history cannot grow the cache unbounded.
constexpr qsizetype MaxRememberedDates = 50000;

const QString CustomerColumns = Sql::namedColumns(
    QStringLiteral("Customer"),
    {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("HouseName"), QStringLiteral("Street"),
     QStringLiteral("Area"), QStringLiteral("Town"), QStringLiteral("PostCode"), QStringLiteral("TelNo"),
     QStringLiteral("MobileNo"), QStringLiteral("EmailAddress"), QStringLiteral("Notes"), QStringLiteral("ClubMember"),
     QStringLiteral("MembershipNo")});
// The file's bytes, gathered in one buffer and handed to the device in large pieces. Fields are written straight
// into it, so the common values need no QString, no QByteArray and no call per character.
class CsvBuffer final
{
public:
    explicit CsvBuffer(qsizetype capacity) { m_bytes.resize(capacity); }

    // Where the next n bytes go; Done() takes the position after the last one written.
    char* room(qsizetype n)
    {
        if (m_used + n > m_bytes.size())
            m_bytes.resize(std::max(m_bytes.size() * 2, m_used + n));
        return m_bytes.data() + m_used;
    }
    void done(const char* end) { m_used = end - m_bytes.constData(); }
    void append(const char* text, qsizetype n)
    {
        char* at = room(n);
        std::memcpy(at, text, size_t(n));
        done(at + n);
    }
    void append(const QByteArray& bytes) { append(bytes.constData(), bytes.size()); }
    qsizetype size() const { return m_used; }
    QByteArray bytes() const { return m_bytes.first(m_used); }

    // The device's complaint when it did not take every byte; nothing when it did.
    std::optional<QString> flush(QIODevice& out)
    {
        if (m_used > 0 && out.write(m_bytes.constData(), m_used) != m_used)
            return out.errorString();
        m_used = 0;
        return std::nullopt;
    }

private:
    QByteArray m_bytes;
    qsizetype m_used = 0;
};

// Text a spreadsheet would run as a formula gets a leading apostrophe, which shows it as text. Only stored text is
// guarded: numbers of ours (a negative count, an amount) stay numbers.
QString asText(const QString& text)
{
    if (!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()))
        return u'\'' + text;
    return text;
}

// Every field in double quotes, a quote inside doubled, the text in UTF-8.
class FieldWriter final
{
public:
    FieldWriter(const QLocale& locale, Style style)
        : m_values(locale, style), m_plainDigits(m_values.plainDigits()), m_plain(style == Style::Plain)
    {
        m_decimalPoint = QString(locale.decimalPoint().at(0)).toUtf8();
    }

    void writeText(CsvBuffer& out, QStringView text)
    {
        // Most stored text is ASCII without quotes: copied byte for byte. Anything else goes through the encoder.
        const qsizetype size = text.size();
        char* const start = out.room(size + 2);
        char* at = start;
        *at++ = '"';
        const char16_t* const chars = text.utf16();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = chars[i];
            if (c >= 0x80 || c == u'"') {
                encoded(out, text);
                return;
            }
            *at++ = char(c);
        }
        *at++ = '"';
        out.done(at);
    }

    void value(CsvBuffer& out, const QVariant& value, ValueKind kind)
    {
        if (m_plain) {
            writeText(out, m_values.text(value, kind));
            return;
        }
        // The driver hands over whole numbers and text (NULL as a null value of the column's type): those two are
        // written without the general conversions. NULL is the empty field whatever the column's kind (an empty text is
        // not NULL: as an amount it reads as 0).
        const int type = value.typeId();
        if (type == QMetaType::LongLong && !value.isNull()) {
            const qint64 number = *static_cast<const qlonglong*>(value.constData());
            switch (kind) {
            case ValueKind::Plain:
                if (m_plainDigits) {
                    writeNumber(out, number);
                    return;
                }
                break;
            case ValueKind::Money:
                amount(out, number);
                return;
            case ValueKind::YesNo:
                yesNo(out, number != 0);
                return;
            case ValueKind::DateTime:
                break;
            }
        } else if (type == QMetaType::QString) {
            const QString& text = *static_cast<const QString*>(value.constData());
            if (kind == ValueKind::Plain || text.isNull()) {
                writeText(out, asText(text));
                return;
            }
            if (kind == ValueKind::DateTime) {
                date(out, text, value);
                return;
            }
        }
        if (value.isNull()) {
            out.append("\"\"", 2);
            return;
        }
        switch (kind) {
        case ValueKind::Plain:
            if (type == QMetaType::Int && m_plainDigits) {
                writeNumber(out, value.toLongLong());
                return;
            }
            break;
        case ValueKind::Money:
            amount(out, Money::fromDb(value).units());
            return;
        case ValueKind::YesNo:
            yesNo(out, value.toLongLong() != 0);
            return;
        case ValueKind::DateTime:
            date(out, value.toString(), value);
            return;
        }
        writeText(out, m_values.text(value, kind));
    }

private:
    void encoded(CsvBuffer& out, QStringView text)
    {
        // The quotes are encoded with the text, so no half of a surrogate pair is left pending in the encoder.
        QString quoted;
        quoted.reserve(text.size() + 2);
        quoted += u'"';
        for (const QChar c : text) {
            if (c == u'"')
                quoted += u'"';
            quoted += c;
        }
        quoted += u'"';
        char* const at = out.room(m_toUtf8.requiredSpace(quoted.size()));
        out.done(m_toUtf8.appendToBuffer(at, quoted));
    }

    void writeNumber(CsvBuffer& out, qint64 number)
    {
        char* at = out.room(24);
        *at++ = '"';
        at = std::to_chars(at, at + 21, number).ptr;
        *at++ = '"';
        out.done(at);
    }

    // Two decimals, no currency sign, the regional decimal point.
    // The amount as stored, so a spreadsheet's sums agree with the database's: two decimals, and the third and
    // fourth where they are not zero ("12.50", "18.375", "-0.0055").
    void amount(CsvBuffer& out, qint64 units)
    {
        const quint64 absUnits = units < 0 ? quint64(0) - quint64(units) : quint64(units);
        char* at = out.room(34 + m_decimalPoint.size());
        *at++ = '"';
        if (units < 0)
            *at++ = '-';
        at = std::to_chars(at, at + 21, absUnits / quint64(Money::Scale)).ptr;
        std::memcpy(at, m_decimalPoint.constData(), size_t(m_decimalPoint.size()));
        at += m_decimalPoint.size();
        int fraction = int(absUnits % quint64(Money::Scale));
        int digits = 4;
        while (digits > 2 && fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        for (int place = digits - 1; place >= 0; --place) {
            at[place] = char('0' + fraction % 10);
            fraction /= 10;
        }
        at += digits;
        *at++ = '"';
        out.done(at);
    }

    void yesNo(CsvBuffer& out, bool yes)
    {
        if (yes)
            out.append("\"True\"", 6);
        else
            out.append("\"False\"", 7);
    }

    // The stored form "yyyy-MM-dd HH:mm:ss" as one number (its fourteen digits), so a remembered date is found
    // without comparing texts; 0 for any other form.
    static quint64 storedKey(const QString& stored)
    {
        if (stored.size() != 19)
            return 0;
        const char16_t* const c = QStringView(stored).utf16();
        if (c[4] != u'-' || c[7] != u'-' || c[10] != u' ' || c[13] != u':' || c[16] != u':')
            return 0;
        quint64 key = 0;
        for (int i = 0; i < 19; ++i) {
            if (i == 4 || i == 7 || i == 10 || i == 13 || i == 16)
                continue;
            if (c[i] < u'0' || c[i] > u'9')
                return 0;
            key = key * 10 + (c[i] - u'0');
        }
        return key + 1;
    }

    // 200,000 bookings hold only tens of thousands of distinct times: each is formatted once.
    void date(CsvBuffer& out, const QString& stored, const QVariant& value)
    {
        const quint64 key = storedKey(stored);
        if (key != 0) {
            const auto known = m_storedDates.constFind(key);
            if (known != m_storedDates.constEnd()) {
                out.append(*known);
                return;
            }
        } else {
            const auto known = m_otherDates.constFind(stored);
            if (known != m_otherDates.constEnd()) {
                out.append(*known);
                return;
            }
        }
        CsvBuffer field(64);
        writeText(field, m_values.text(value, ValueKind::DateTime));
        const QByteArray bytes = field.bytes();
        if (m_storedDates.size() + m_otherDates.size() >= MaxRememberedDates) {
            m_storedDates.clear();
            m_otherDates.clear();
        }
        if (key != 0)
            m_storedDates.insert(key, bytes);
        else
            m_otherDates.insert(stored, bytes);
        out.append(bytes);
    }

    ValueText m_values;
    bool m_plainDigits;
    bool m_plain;
    QByteArray m_decimalPoint;
    QStringEncoder m_toUtf8{QStringEncoder::Utf8};
    QHash<quint64, QByteArray> m_storedDates;
    QHash<QString, QByteArray> m_otherDates;
};

} // namespace

ValueKind kindOf(const QString& columnName)
{
    static const QHash<QString, ValueKind> kinds = {
        {QStringLiteral("FromDate"), ValueKind::DateTime},  {QStringLiteral("ToDate"), ValueKind::DateTime},
        {QStringLiteral("Created"), ValueKind::DateTime},   {QStringLiteral("CostOfHire"), ValueKind::Money},
        {QStringLiteral("OtherCharges"), ValueKind::Money}, {QStringLiteral("VAT"), ValueKind::Money},
        {QStringLiteral("TotalPayable"), ValueKind::Money}, {QStringLiteral("AmountPayed"), ValueKind::Money},
        {QStringLiteral("ClubMember"), ValueKind::YesNo},   {QStringLiteral("HasPower"), ValueKind::YesNo},
        {QStringLiteral("Active"), ValueKind::YesNo},       {QStringLiteral("PaidAt"), ValueKind::DateTime},
        {QStringLiteral("Amount"), ValueKind::Money},
    };
    return kinds.value(columnName, ValueKind::Plain);
}

ValueText::ValueText(const QLocale& locale, Style style)
    : m_locale(style == Style::Plain ? QLocale::c() : locale), m_decimalPoint(m_locale.decimalPoint().at(0)),
      m_plain(style == Style::Plain)
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // Where the locale writes whole numbers as the C locale does, the much cheaper plain conversion is the same.
    m_plainDigits = m_locale.zeroDigit() == QStringLiteral("0") && m_locale.negativeSign() == QStringLiteral("-");
}

QString ValueText::text(const QVariant& value, ValueKind kind)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case ValueKind::DateTime: {
        if (m_plain && value.typeId() == QMetaType::QDate)
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        const QDateTime when = DateTimes::readDateTime(value);
        // Text that is not a date is written as it stands: nothing the database holds is lost.
        if (!when.isValid())
            return asText(value.toString());
        return m_plain ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : DateTimes::generalDateText(when);
    }
    case ValueKind::Money: {
        if (m_plain)
            return Money::fromDb(value).plainText();
        // As stored, as the fast path writes it: two decimals, more where the stored ten-thousandths have them.
        const qint64 units = Money::fromDb(value).units();
        const quint64 absUnits = units < 0 ? quint64(0) - quint64(units) : quint64(units);
        QString fraction = QStringLiteral("%1").arg(absUnits % quint64(Money::Scale), 4, 10, QLatin1Char('0'));
        while (fraction.size() > 2 && fraction.endsWith(u'0'))
            fraction.chop(1);
        return (units < 0 ? QStringLiteral("-") : QString()) + QString::number(absUnits / quint64(Money::Scale)) +
               m_decimalPoint + fraction;
    }
    case ValueKind::YesNo:
        return value.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case ValueKind::Plain:
        break;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return m_plainDigits ? QString::number(value.toLongLong()) : m_locale.toString(value.toLongLong());
    case QMetaType::Double:
        return m_locale.toString(value.toDouble(), 'g', 15);
    default:
        return asText(value.toString());
    }
}

namespace {
// The byte-order mark, the header line, then each row next() hands over field by field (false after the last).
// Written out in large pieces as it goes.
template <typename NextRow>
Result<qint64> writeAll(const QStringList& columns, const std::vector<ValueKind>& kinds, QIODevice& out,
                        const QLocale& locale, Style style, NextRow next)
{
    qint64 written = 0;
    CsvBuffer buffer(ChunkBytes + ChunkBytes / 4);
    FieldWriter fields(locale, style);
    buffer.append("\xEF\xBB\xBF", 3);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (i > 0)
            buffer.append(",", 1);
        fields.writeText(buffer, asText(columns[i])); // a table's header may hold names the office typed
    }
    buffer.append("\r\n", 2);
    const auto field = [&](int i, const QVariant& value) {
        if (i > 0)
            buffer.append(",", 1);
        fields.value(buffer, value, kinds[size_t(i)]);
    };
    while (next(field)) {
        buffer.append("\r\n", 2);
        ++written;
        if (buffer.size() >= ChunkBytes)
            if (const auto refusal = buffer.flush(out))
                return fileFailure(*refusal);
    }
    if (const auto refusal = buffer.flush(out))
        return fileFailure(*refusal);
    return written;
}

// Through QSaveFile: a failure leaves no partial file and the previous one in place, and goes to the log.
template <typename Write> Status saveFile(const QString& path, Write write)
{
    QSaveFile file(path);
    Result<qint64> written = fileFailure(QString());
    if (file.open(QIODevice::WriteOnly)) {
        written = write(file);
        if (written && !file.commit())
            written = fileFailure(file.errorString());
    } else {
        written = fileFailure(file.errorString());
    }
    if (!written) {
        file.cancelWriting();
        MessageLog::logError(QStringLiteral("modExport.Export: %1: %2").arg(path, written.error()));
        return written.failure();
    }
    return Done{};
}
} // namespace

Result<qint64> writeRows(QSqlQuery& rows, QIODevice& out, const QLocale& locale, Style style)
{
    const QSqlRecord record = rows.record();
    const int columns = record.count();
    QStringList names;
    std::vector<ValueKind> kinds;
    for (int i = 0; i < columns; ++i) {
        names << record.fieldName(i);
        kinds.push_back(kindOf(record.fieldName(i)));
    }
    bool more = rows.isValid();
    const auto written = writeAll(names, kinds, out, locale, style, [&](const auto& field) {
        if (!more)
            return false;
        for (int i = 0; i < columns; ++i)
            field(i, rows.value(i));
        more = rows.next();
        return true;
    });
    if (written && rows.lastError().isValid())
        return databaseFailure(rows.lastError().text());
    return written;
}

Result<qint64> writeTable(const Table& table, QIODevice& out)
{
    const std::vector<ValueKind> kinds(table.kinds.cbegin(), table.kinds.cend());
    if (kinds.size() != size_t(table.columns.size()))
        return fileFailure(QStringLiteral("the table's kinds do not match its columns"));
    qsizetype at = 0;
    return writeAll(table.columns, kinds, out, QLocale::c(), Style::Plain, [&](const auto& field) {
        if (at == table.rows.size())
            return false;
        const QVariantList& row = table.rows[at++];
        for (qsizetype i = 0; i < table.columns.size(); ++i)
            field(int(i), row.value(i));
        return true;
    });
}

Command customers()
{
    return {customersSql(),
            {},
            QStringLiteral("Customer"),
            QCoreApplication::translate("CsvExport", "Export Customers"),
            EventLog::CustomersExported};
}

Command reservations()
{
    return {BookingReports::reservationsSql(),
            {},
            QStringLiteral("Reservations"),
            QCoreApplication::translate("CsvExport", "Export Reservations"),
            EventLog::ReservationsExported};
}

Command payments(const QDate& first, const QDate& last)
{
    return {Ledger::exportSql(),        Ledger::exportBinds(first, last),
            QStringLiteral("Payments"), QCoreApplication::translate("CsvExport", "Export Payments"),
            EventLog::ReportGenerated,  Style::Plain};
}

Command todaysReservations(const QDate& today)
{
    // The stays that cover the whole of the current day: in before its first second, out after its last.
    const QVariantList binds = {DateTimes::dbDateTime(DateTimes::wallTime(today, QTime(0, 0, 1))),
                                DateTimes::dbDateTime(DateTimes::wallTime(today, QTime(23, 59, 59)))};
    return {BookingReports::todaysReservationsSql(), binds, QStringLiteral("ToDayReservations"),
            QCoreApplication::translate("CsvExport", "Export Today's Reservations"),
            EventLog::TodaysReservationsExported};
}

Result<std::unique_ptr<QSqlQuery>> firstRow(const QSqlDatabase& db, const Command& command)
{
    auto rows = std::make_unique<QSqlQuery>(db);
    rows->setForwardOnly(true);
    QString error;
    if (!Sql::exec(*rows, command.sql, command.binds, &error)) {
        // An unreadable result counts as an empty one; the reason goes to the diagnostic log.
        MessageLog::logError(QStringLiteral("modExport.%1: %2").arg(command.proposedName, error));
        return refused(noData());
    }
    if (!rows->next())
        return refused(noData());
    return rows;
}

FileRequest saveRequest(const Command& command)
{
    FileRequest request;
    request.title = command.title;
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.proposedName = command.proposedName;
    request.filter = filters();
    request.selectedFilter = csvFilter();
    request.save = true;
    request.defaultSuffix = QStringLiteral("csv"); // before the dialog's question about replacing a file
    return request;
}

QString withCsvExtension(const QString& path)
{
    // A name typed without an extension takes that of the preselected entry, so spreadsheet programs know the file.
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
}

Status writeFile(QSqlQuery& rows, const QString& path, Style style)
{
    return saveFile(path, [&](QIODevice& file) { return writeRows(rows, file, QLocale::system(), style); });
}

Status writeFile(const Table& table, const QString& path)
{
    return saveFile(path, [&](QIODevice& file) { return writeTable(table, file); });
}

QString customersSql()
{
    return QStringLiteral("SELECT ") + CustomerColumns + QStringLiteral(" FROM Customer ORDER BY Customer.ID");
}

} // namespace CsvExport
