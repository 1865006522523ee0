#include "outputs/modExport.h"

#include "core/Money.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "core/modLog.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QStringEncoder>
#include <charconv>
#include <vector>

namespace modExport {

namespace {
const QString CsvFilter = QStringLiteral("CSV Files (*.csv)");
const QString Filters = QStringLiteral("All Files (*.*);;") + CsvFilter + QStringLiteral(";;Text Files (*.txt)");
// Written in pieces of about this size, so a large export never holds the whole file in memory.
constexpr qsizetype ChunkBytes = 1 << 20;
// The remembered dates are dropped when there are this many, so a long history cannot grow the cache unbounded.
constexpr qsizetype MaxRememberedDates = 50000;

const QString ReservationColumns = QStringLiteral(
    "SELECT Booking.FromDate, Booking.ToDate, Booking.BookedBy, Customer.Name AS Customer, Booking.Notes, "
    "Booking.NoAdults, Booking.NoKids, Booking.OtherCharges, Booking.VAT, Booking.TotalPayable, "
    "Booking.AmountPayed, PaymentMethod.Name AS PaymentMethod, Booking.CreditCardNo, Booking.CreditCardExpiry, "
    "Booking.CreditCardType, Booking.CreditCardCV2No, Booking.CostOfHire, Booking.BerthConfirmationNumber, "
    "Booking.GuestConfirmationNumber, Booking.PowerRequirements, Booking.ClubMember ");
// Bookings without a payment method are kept, with an empty method.
const QString ReservationSource =
    QStringLiteral("FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID "
                   "LEFT JOIN PaymentMethod ON PaymentMethod.ID = Booking.PaymentMethodID");

void AppendField(QString& line, const QString& text)
{
    line += u'"';
    if (text.contains(u'"')) {
        QString doubled = text;
        line += doubled.replace(u'"', QStringLiteral("\"\""));
    } else {
        line += text;
    }
    line += u'"';
}

void AppendNumber(QString& line, qint64 number)
{
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    line += u'"';
    line += QLatin1StringView(digits, end - digits);
    line += u'"';
}

// One CSV line: every field in double quotes, separated by commas, ended by CR LF.
void AppendLine(QString& line, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        AppendField(line, fields[i]);
    }
    line += QStringLiteral("\r\n");
}

bool Flush(QIODevice& out, QByteArray& buffer, WriteResult& result)
{
    if (!buffer.isEmpty() && out.write(buffer) != buffer.size()) {
        result.error = out.errorString();
        return false;
    }
    buffer.resize(0);
    return true;
}

bool RunCommand(const Services& services, const QString& sql, const QVariantList& binds, const QString& proposedName,
                const QString& title, int event)
{
    QSqlQuery rows(services.Db());
    rows.setForwardOnly(true);
    QString error;
    bool written = false;
    if (!Sql::Exec(rows, sql, binds, &error)) {
        // An unreadable result counts as an empty one; the reason goes to the diagnostic log.
        modLog::LogMessage(3, QStringLiteral("modExport.%s: %s"), {proposedName, error});
        services.messages.Show(QStringLiteral("There is no data to export"), QStringLiteral("Export"),
                               MsgIcon::Exclamation);
    } else {
        written = Export(services, rows, proposedName, title);
    }
    modEventLog::LogEvent(services.clock.Now(), event);
    return written;
}
} // namespace

ValueKind KindOf(const QString& columnName)
{
    static const QHash<QString, ValueKind> kinds = {
        {QStringLiteral("FromDate"), ValueKind::DateTime},  {QStringLiteral("ToDate"), ValueKind::DateTime},
        {QStringLiteral("Created"), ValueKind::DateTime},   {QStringLiteral("CostOfHire"), ValueKind::Money},
        {QStringLiteral("OtherCharges"), ValueKind::Money}, {QStringLiteral("VAT"), ValueKind::Money},
        {QStringLiteral("TotalPayable"), ValueKind::Money}, {QStringLiteral("AmountPayed"), ValueKind::Money},
        {QStringLiteral("ClubMember"), ValueKind::YesNo},   {QStringLiteral("HasPower"), ValueKind::YesNo},
        {QStringLiteral("Active"), ValueKind::YesNo},
    };
    return kinds.value(columnName, ValueKind::Plain);
}

ValueText::ValueText(const QLocale& locale) : m_locale(locale), m_decimalPoint(locale.decimalPoint().at(0))
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // Where the locale writes whole numbers as the C locale does, the much cheaper plain conversion is the same.
    m_plainDigits = m_locale.zeroDigit() == QStringLiteral("0") && m_locale.negativeSign() == QStringLiteral("-");
}

QString ValueText::Text(const QVariant& value, ValueKind kind)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case ValueKind::DateTime: {
        const QString stored = value.toString();
        const auto known = m_dates.constFind(stored);
        if (known != m_dates.constEnd())
            return *known;
        const QDateTime when = modFunctions::ReadDateTime(value);
        // Text that is not a date is written as it stands: nothing the database holds is lost.
        const QString text = when.isValid() ? modFunctions::GeneralDateText(when) : stored;
        if (m_dates.size() >= MaxRememberedDates)
            m_dates.clear();
        m_dates.insert(stored, text);
        return text;
    }
    case ValueKind::Money: {
        QString text = Money::FromDb(value).PlainText();
        if (m_decimalPoint != u'.')
            text.replace(u'.', m_decimalPoint);
        return text;
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
        return value.toString();
    }
}

WriteResult WriteRows(QSqlQuery& rows, QIODevice& out, const QLocale& locale)
{
    WriteResult result;
    const QSqlRecord record = rows.record();
    const int columns = record.count();
    std::vector<ValueKind> kinds;
    QStringList names;
    for (int i = 0; i < columns; ++i) {
        names << record.fieldName(i);
        kinds.push_back(KindOf(record.fieldName(i)));
    }

    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom);
    QByteArray buffer;
    buffer.reserve(ChunkBytes + ChunkBytes / 4);
    QString line;
    AppendLine(line, names);
    buffer += toUtf8.encode(line);

    ValueText values(locale);
    const bool plainDigits = values.PlainDigits();
    if (rows.isValid()) {
        do {
            line.resize(0);
            for (int i = 0; i < columns; ++i) {
                if (i > 0)
                    line += u',';
                const QVariant value = rows.value(i);
                // Stored text and whole numbers go in without a converted copy: they are most of the fields.
                if (kinds[i] == ValueKind::Plain && value.typeId() == QMetaType::QString)
                    AppendField(line, *static_cast<const QString*>(value.constData()));
                else if (kinds[i] == ValueKind::Plain && value.typeId() == QMetaType::LongLong && plainDigits)
                    AppendNumber(line, value.toLongLong());
                else
                    AppendField(line, values.Text(value, kinds[i]));
            }
            line += QStringLiteral("\r\n");
            // Encoded straight into the buffer, without a byte array for every line.
            const qsizetype used = buffer.size();
            buffer.resize(used + toUtf8.requiredSpace(line.size()));
            buffer.resize(toUtf8.appendToBuffer(buffer.data() + used, line) - buffer.data());
            ++result.rows;
            if (buffer.size() >= ChunkBytes && !Flush(out, buffer, result))
                return result;
        } while (rows.next());
    }
    if (rows.lastError().isValid()) {
        result.error = rows.lastError().text();
        return result;
    }
    result.ok = Flush(out, buffer, result);
    return result;
}

bool Export(const Services& services, QSqlQuery& rows, const QString& proposedName, const QString& title)
{
    if (!rows.next()) {
        services.messages.Show(QStringLiteral("There is no data to export"), QStringLiteral("Export"),
                               MsgIcon::Exclamation);
        return false;
    }
    FileRequest request;
    request.title = title;
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.proposedName = proposedName;
    request.filter = Filters;
    request.selectedFilter = CsvFilter;
    request.save = true;
    QString path = services.files.Choose(request);
    if (path.isEmpty())
        return false;
    // A name typed without an extension takes that of the preselected entry, so spreadsheet programs know the file.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");

    QSaveFile file(path);
    WriteResult result;
    if (file.open(QIODevice::WriteOnly)) {
        result = WriteRows(rows, file);
        if (result.ok && !file.commit()) {
            result.ok = false;
            result.error = file.errorString();
        }
    } else {
        result.error = file.errorString();
    }
    if (!result.ok) {
        // Nothing is written in place of the chosen file; the user is not troubled with a message.
        file.cancelWriting();
        modLog::LogMessage(3, QStringLiteral("modExport.Export: %s: %s"), {path, result.error});
    }
    return result.ok;
}

QString CustomersSql()
{
    return QStringLiteral("SELECT Customer.* FROM Customer ORDER BY Customer.ID");
}

QString ReservationsSql()
{
    return ReservationColumns + ReservationSource + QStringLiteral(" ORDER BY Booking.ID");
}

QString TodaysReservationsSql()
{
    return ReservationColumns + ReservationSource +
           QStringLiteral(" WHERE Booking.FromDate <= ? AND Booking.ToDate >= ? ORDER BY Booking.ID");
}

bool ExportCustomers(const Services& services)
{
    return RunCommand(services, CustomersSql(), {}, QStringLiteral("Customer"), QStringLiteral("Export Customers"),
                      modEventLog::CustomersExported);
}

bool ExportReservations(const Services& services)
{
    return RunCommand(services, ReservationsSql(), {}, QStringLiteral("Reservations"),
                      QStringLiteral("Export Reservations"), modEventLog::ReservationsExported);
}

bool ExportTodaysReservations(const Services& services)
{
    // The stays that cover the whole of the current day: in before its first second, out after its last.
    const QDate today = services.clock.Now().date();
    const QVariantList binds = {modFunctions::DbDateTime(modFunctions::WallTime(today, QTime(0, 0, 1))),
                                modFunctions::DbDateTime(modFunctions::WallTime(today, QTime(23, 59, 59)))};
    return RunCommand(services, TodaysReservationsSql(), binds, QStringLiteral("ToDayReservations"),
                      QStringLiteral("Export Today's Reservations"), modEventLog::TodaysReservationsExported);
}

} // namespace modExport
