#include "CsvReadBack.h"
#include "bookings/BookingReports.h"
#include "common/TestSupport.h"
#include "outputs/CsvExport.h"
#include "outputs/ExportMenu.h"
#include "shell/MainWindow.h"

#include <QBuffer>
#include <QSqlRecord>

// The CSV exports, read back by an independent reader and compared with the database field by field, and the
// writer's bytes against the per-value texts in regional formats whose decimal point and digits differ from C's.
class tst_Export : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName, Town, Notes, ClubMember) VALUES "
                     u"(1, 'Smith, John', 'Rose Cottage', 'Cowes', 'Pays late, \"always\"\r\nsecond line', 1), "
                     u"(2, 'Þórunn Ægisdóttir', NULL, 'Akureyri', 'Ισαάκ — 漢字', 0)"_s));
        QVERIFY(exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, Notes, NoAdults, NoKids, CostOfHire, "
            u"OtherCharges, VAT, TotalPayable, AmountPayed, PaymentMethodID, BerthConfirmationNumber, ClubMember) "
            u"VALUES (1, 1, '2026-12-03 14:00:00', '2026-12-05 10:00:00', 'Ann', 'Late \"arrival\"', 2, 1, "
            u"1000000, 52500, 184188, 1236688, 500000, 3, 4711, 1), "
            u"(2, 2, '2026-12-04 09:00:00', '2026-12-06 10:00:00', NULL, NULL, -1, -1, 0, 0, 0, 0, 0, NULL, NULL, 0)"_s));
    }

    /// An event entry without details: the date-time and the event text only.
    QString logged(int code) const { return entry(*m_install, code, {}).chopped(2); }
    QString target(const QString& name) const { return m_install->root() + u'/' + name; }

    static QList<QStringList> readBack(const QString& path) { return readCsvBack(path); }

    /// What a stored value must read as, worked out here from the column's meaning.
    static QString expected(const QString& column, const QVariant& value)
    {
        static const QStringList money = {u"CostOfHire"_s, u"OtherCharges"_s, u"VAT"_s, u"TotalPayable"_s,
                                          u"AmountPayed"_s};
        if (value.isNull())
            return {};
        if (column == u"FromDate"_s || column == u"ToDate"_s)
            return DateTimes::generalDateText(DateTimes::readDateTime(value));
        if (money.contains(column)) { // as stored: two decimals, four where the ten-thousandths need them
            const qint64 units = value.toLongLong();
            QString text = QString::number(std::abs(units) / 10000) + u'.' +
                           QString::number(std::abs(units) % 10000).rightJustified(4, u'0');
            while (text.endsWith(u'0') && text.indexOf(u'.') < text.size() - 3)
                text.chop(1);
            return units < 0 ? u'-' + text : text;
        }
        if (column == u"ClubMember"_s)
            return value.toInt() ? u"True"_s : u"False"_s;
        return value.toString();
    }

    /// Compares the file with what sql returns, header and every field.
    void compareWithDatabase(const QString& path, const QString& sql, int expectedRows)
    {
        const QList<QStringList> records = readBack(path);
        QSqlQuery q(m_install->db());
        QVERIFY(q.exec(sql));
        QCOMPARE(records.size(), expectedRows + 1);
        QStringList header;
        for (int i = 0; i < q.record().count(); ++i)
            header << q.record().fieldName(i);
        QCOMPARE(records[0], header);
        for (int row = 1; q.next(); ++row) {
            QCOMPARE(records[row].size(), header.size());
            for (int i = 0; i < header.size(); ++i)
                QCOMPARE(records[row][i], expected(header[i], q.value(i)));
        }
    }

    /// The file the per-value texts make: every field quoted, a quote doubled, CR LF, a byte-order mark.
    static QByteArray fromValueTexts(QSqlQuery& rows, const QLocale& locale)
    {
        CsvExport::ValueText values(locale);
        const QSqlRecord record = rows.record();
        auto field = [](QString text) { return u'"' + text.replace(u'"', u"\"\""_s) + u'"'; };
        QStringList lines, fields;
        for (int i = 0; i < record.count(); ++i)
            fields << field(record.fieldName(i));
        lines << fields.join(u',');
        while (rows.next()) {
            for (int i = 0; i < record.count(); ++i)
                fields[i] = field(values.text(rows.value(i), CsvExport::kindOf(record.fieldName(i))));
            lines << fields.join(u',');
        }
        return "\xEF\xBB\xBF" + (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
    }

    using TodaysRow = std::tuple<QString, QString, bool>;
    using BytesRow = std::tuple<QLocale, QString>;

private slots:
    // Stored text that a spreadsheet would run is written as text; our own numbers, negative ones too, stay numbers.
    void formulasAreWrittenAsText()
    {
        QVERIFY(exec(u"UPDATE Customer SET Name = '=HYPERLINK(\"x\")', HouseName = '+44 1983', Town = "
                     u"'-2+3', Notes = '@SUM(A1)' WHERE ID = 1"_s));
        QVERIFY(exec(u"UPDATE Customer SET Name = ?, HouseName = ?, Town = 'Cowes=1' WHERE ID = 2"_s,
                     {u"\tTab"_s, u"\rReturn"_s}));
        QVERIFY(exec(u"UPDATE Booking SET BookedBy = '=1+1', AmountPayed = -12500 WHERE ID = 2"_s));
        m_install->files.answers << target(u"Customer.csv"_s) << target(u"Reservations.csv"_s);
        QVERIFY(ExportMenu::exportCustomers(m_install->services) &&
                ExportMenu::exportReservations(m_install->services));
        const QList<QStringList> customers = readBack(target(u"Customer.csv"_s));
        const QStringList header = customers.value(0);
        QStringList seen;
        for (const int row : {1, 2})
            for (const QString& column : {u"Name"_s, u"HouseName"_s, u"Town"_s, u"Notes"_s})
                seen << customers.value(row).value(header.indexOf(column));
        QCOMPARE(seen, QStringList({u"'=HYPERLINK(\"x\")"_s, u"'+44 1983"_s, u"'-2+3"_s, u"'@SUM(A1)"_s, u"'\tTab"_s,
                                    u"'\rReturn"_s, u"Cowes=1"_s, u"Ισαάκ — 漢字"_s}));
        const QList<QStringList> reservations = readBack(target(u"Reservations.csv"_s));
        const QStringList columns = reservations.value(0);
        const QStringList second = reservations.value(2);
        QCOMPARE(
            QStringList({second.value(columns.indexOf(u"BookedBy"_s)), second.value(columns.indexOf(u"NoAdults"_s)),
                         second.value(columns.indexOf(u"AmountPayed"_s))}),
            QStringList({u"'=1+1"_s, u"-1"_s, u"-1.25"_s}));
    }

    void customersAndReservations()
    {
        // A name without an extension gets ".csv".
        m_install->files.answers << target(u"Customer"_s) << target(u"Reservations.csv"_s);
        QVERIFY(ExportMenu::exportCustomers(m_install->services) &&
                ExportMenu::exportReservations(m_install->services));
        compareWithDatabase(target(u"Customer.csv"_s), CsvExport::customersSql(), 2);
        compareWithDatabase(target(u"Reservations.csv"_s), BookingReports::reservationsSql(), 2);
        const QList<QStringList> reservations = readBack(target(u"Reservations.csv"_s));
        // The second has no method.
        QCOMPARE(reservations.value(1).value(11) + u'|' + reservations.value(2).value(11), u"Debit card|"_s);

        const FileRequest& asked = m_install->files.calls.at(0);
        QVERIFY(asked.save);
        QCOMPARE(QStringList({asked.title, asked.proposedName, asked.filter, asked.selectedFilter,
                              m_install->files.calls.at(1).proposedName}),
                 QStringList({u"Export Customers"_s, u"Customer"_s,
                              u"All Files (*.*);;CSV Files (*.csv);;Text Files (*.txt)"_s, u"CSV Files (*.csv)"_s,
                              u"Reservations"_s}));
        QCOMPARE(logText(), logged(EventLog::CustomersExported) + logged(EventLog::ReservationsExported));
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void todaysReservations_data()
    {
        // The clock stands on 4 December 2026.
        const DataRows<TodaysRow> row;
        row("yesterday to tomorrow", {u"2026-12-03 14:00:00"_s, u"2026-12-05 10:00:00"_s, true});
        row("whole day exactly", {u"2026-12-04 00:00:00"_s, u"2026-12-05 00:00:00"_s, true});
        row("arriving today", {u"2026-12-04 00:30:00"_s, u"2026-12-05 10:00:00"_s, false});
        row("leaving today", {u"2026-12-01 14:00:00"_s, u"2026-12-04 23:30:00"_s, false});
        row("yesterday", {u"2026-12-01 14:00:00"_s, u"2026-12-03 10:00:00"_s, false});
    }
    void todaysReservations()
    {
        const auto& [from, to, listed] = fetchRow<TodaysRow>();
        QVERIFY(exec(u"DELETE FROM Booking"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (7, 1, ?, ?)"_s, {from, to}));
        m_install->files.answers << target(u"today.csv"_s);
        QCOMPARE(ExportMenu::exportTodaysReservations(m_install->services), listed);
        QCOMPARE(QFile::exists(target(u"today.csv"_s)), listed);
        if (listed)
            QCOMPARE(readBack(target(u"today.csv"_s)).size(), 2);
        QCOMPARE(said(), listed ? QString() : u"Export: There is no data to export"_s);
        QCOMPARE(logText(), logged(EventLog::TodaysReservationsExported));
    }

    void nothingWrittenOnCancelOrFailure()
    {
        // cancelled (from the File menu): no file, no message, the event all the same.
        {
            MainWindow window(m_install->services);
            m_install->files.answers << QString();
            window.menuItem(u"mnuFileExportReservations"_s)->trigger();
            QCOMPARE(m_install->files.calls.size(), 1);
        }
        // A folder that does not exist: no file, no message.
        m_install->files.answers << target(u"missing/Reservations.csv"_s);
        QVERIFY(!ExportMenu::exportReservations(m_install->services) && !QDir(target(u"missing"_s)).exists());
        QVERIFY(m_install->messages.calls.isEmpty());
        QCOMPARE(logText().count(EventLog::eventText(EventLog::ReservationsExported)), 2);

        // A device that takes no bytes, as a full disk: the writer reports it instead of carrying on.
        QFile full(u"/dev/full"_s);
        QVERIFY(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QSqlQuery rows(m_install->db());
        QVERIFY(rows.exec(BookingReports::reservationsSql()) && rows.next());
        const Result<qint64> written = CsvExport::writeRows(rows, full);
        QCOMPARE(written.kind(), FailureKind::File);
        QVERIFY(!written.error().isEmpty());
    }

    void regionalValues()
    {
        CsvExport::ValueText german{QLocale(QLocale::German, QLocale::Germany)};
        const auto money = [&](qlonglong units) { return german.text(QVariant(units), CsvExport::ValueKind::Money); };
        QCOMPARE(QStringList({money(1236688), money(-55), money(183750), money(125000)}),
                 QStringList({u"123,6688"_s, u"-0,0055"_s, u"18,375"_s, u"12,50"_s}));
        QCOMPARE(german.text(QVariant(qlonglong(1234567)), CsvExport::ValueKind::Plain), u"1234567"_s);
        QCOMPARE(german.text(QVariant(qlonglong(0)), CsvExport::ValueKind::YesNo), u"False"_s);
        QCOMPARE(german.text(QVariant(QMetaType::fromType<qlonglong>()), CsvExport::ValueKind::Money), QString());
        QCOMPARE(german.text(QVariant(u"not a date"_s), CsvExport::ValueKind::DateTime), u"not a date"_s);
    }

    void bytesEqualTheValueTexts_data()
    {
        const DataRows<BytesRow> row;
        const QString reservations = BookingReports::reservationsSql();
        row("en_GB reservations", {QLocale(QLocale::English, QLocale::UnitedKingdom), reservations});
        row("de_DE reservations", {QLocale(QLocale::German, QLocale::Germany), reservations});
        row("ar_EG reservations", {QLocale(QLocale::Arabic, QLocale::Egypt), reservations});
        row("de_DE customers", {QLocale(QLocale::German, QLocale::Germany), CsvExport::customersSql()});
    }
    void bytesEqualTheValueTexts()
    {
        const auto& [locale, sql] = fetchRow<BytesRow>();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, Notes) VALUES "
                     u"(11, 'Smith, \"Jack\"', 'Ισαάκ — 漢字 \U0001F6A4'), (12, '', NULL)"_s));
        // Amounts around the rounding point and the sign, a date that is not one, a lone half of a surrogate pair.
        QVERIFY(exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, Notes, NoAdults, NoKids, CostOfHire, "
            u"OtherCharges, VAT, TotalPayable, AmountPayed, PaymentMethodID, BerthConfirmationNumber, ClubMember) "
            u"VALUES (11, 11, '2026-12-03 14:00:00', 'soon', 'Ann', ?, 2, -7, 50, -50, -49, 1236688, "
            u"-9223372036854775807, 3, 4711, 1), "
            u"(12, 12, '2026-12-04', ' 2026-12-06 10:00 ', NULL, '\"\"', 0, NULL, NULL, 149, 99999999999999, -1, 0, "
            u"NULL, -9223372036854775807, 0)"_s,
            {u"end \""_s + QChar(0xD83D)}));
        // Only a file holds text in a number column: an empty text as a yes/no.
        if (TestMain::currentEngine() == TestMain::Engine::SQLite)
            QVERIFY(exec(u"UPDATE Booking SET ClubMember = '' WHERE ID = 12"_s));
        QSqlQuery rows(m_install->db());
        QVERIFY(rows.exec(sql) && rows.next());
        QBuffer file;
        QVERIFY(file.open(QIODevice::WriteOnly));
        const Result<qint64> written = CsvExport::writeRows(rows, file, locale);
        QVERIFY2(written, qPrintable(written.error()));
        QCOMPARE(*written, 4);
        QVERIFY(rows.exec(sql));
        QCOMPARE(file.data(), fromValueTexts(rows, locale));
    }
};

ZEM_TEST(tst_Export)
#include "tst_Export.moc"
