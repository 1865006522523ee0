#include "bookings/BookingReports.h"
#include "common/TestSupport.h"
#include "outputs/CsvExport.h"
#include "outputs/ExportMenu.h"
#include "shell/MainWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>

/// A device that refuses every write, as a full disk does.
class FullDevice final : public QIODevice
{
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override
    {
        setErrorString(u"No space left on device"_s);
        return -1;
    }
};

// The CSV exports, read back by an independent reader and compared with the database field by field.
class tst_Export : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(
            m_install->exec(u"INSERT INTO Customer (ID, Name, HouseName, Town, Notes, ClubMember) VALUES "
                            u"(1, 'Smith, John', 'Rose Cottage', 'Cowes', 'Pays late, \"always\"\r\nsecond line', 1), "
                            u"(2, 'Þórunn Ægisdóttir', NULL, 'Akureyri', 'Ισαάκ — 漢字', 0)"_s));
        QVERIFY(m_install->exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, Notes, NoAdults, NoKids, CostOfHire, "
            u"OtherCharges, VAT, TotalPayable, AmountPayed, PaymentMethodID, BerthConfirmationNumber, ClubMember) "
            u"VALUES (1, 1, '2026-12-03 14:00:00', '2026-12-05 10:00:00', 'Ann', 'Late \"arrival\"', 2, 1, "
            u"1000000, 52500, 184188, 1236688, 500000, 3, 4711, 1), "
            u"(2, 2, '2026-12-04 09:00:00', '2026-12-06 10:00:00', NULL, NULL, -1, -1, 0, 0, 0, 0, 0, NULL, NULL, 0)"_s));
    }

    /// An event entry without details: the date-time and the event text only.
    QString logged(int code) const
    {
        return u'[' + DateTimes::generalDateText(m_install->clock.current) + u"]\r\n["_s + EventLog::eventText(code) +
               u"]\r\n\r\n"_s;
    }

    QString target(const QString& name) const { return m_install->root() + u'/' + name; }

    /// The file's records as Python's csv module reads them.
    static QList<QStringList> readBack(const QString& path)
    {
        QProcess python;
        python.start(QStringLiteral(ZEM_PYTHON), {QStringLiteral(ZEM_READ_CSV), path});
        if (!python.waitForFinished(30000) || python.exitCode() != 0)
            qWarning() << python.readAllStandardError();
        QList<QStringList> records;
        for (const QJsonValue& record : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
            QStringList fields;
            for (const QJsonValue& field : record.toArray())
                fields << field.toString();
            records << fields;
        }
        return records;
    }

    /// What a stored value must read as, worked out here from the column's meaning.
    static QString expected(const QString& column, const QVariant& value)
    {
        static const QStringList money = {u"CostOfHire"_s, u"OtherCharges"_s, u"VAT"_s, u"TotalPayable"_s,
                                          u"AmountPayed"_s};
        if (value.isNull())
            return {};
        if (column == u"FromDate"_s || column == u"ToDate"_s)
            return DateTimes::generalDateText(DateTimes::readDateTime(value));
        if (money.contains(column))
            return QString::number(value.toLongLong() / 10000.0, 'f', 2);
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
        const QSqlRecord columns = q.record();
        QCOMPARE(records.size(), expectedRows + 1);
        QStringList header;
        for (int i = 0; i < columns.count(); ++i)
            header << columns.fieldName(i);
        QCOMPARE(records[0], header);
        for (int row = 1; q.next(); ++row) {
            QCOMPARE(records[row].size(), columns.count());
            for (int i = 0; i < columns.count(); ++i)
                QCOMPARE(records[row][i], expected(header[i], q.value(i)));
        }
    }

private slots:
    void customersAndReservations()
    {
        // A name without an extension gets ".csv".
        m_install->files.answers << target(u"Customer"_s) << target(u"Reservations.csv"_s);
        QVERIFY(ExportMenu::exportCustomers(m_install->services));
        QVERIFY(ExportMenu::exportReservations(m_install->services));
        compareWithDatabase(target(u"Customer.csv"_s), CsvExport::customersSql(), 2);
        compareWithDatabase(target(u"Reservations.csv"_s), BookingReports::reservationsSql(), 2);
        const QList<QStringList> reservations = readBack(target(u"Reservations.csv"_s));
        QCOMPARE(reservations[1][11] + u'|' + reservations[2][11], u"Debit card|"_s); // the second has no method

        // The bytes themselves: a byte-order mark, quoted fields, CR LF line ends, no trailing comma.
        QFile file(target(u"Customer.csv"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF\"ID\",\"Name\",\"HouseName\","));
        QVERIFY(bytes.contains("\"MembershipNo\"\r\n\"1\",\"Smith, John\","));
        QVERIFY(bytes.contains("\"Pays late, \"\"always\"\"\r\nsecond line\",\"True\",\"\"\r\n"));
        QVERIFY(bytes.endsWith("\"False\",\"\"\r\n"));

        const FileRequest& asked = m_install->files.calls.at(0);
        QCOMPARE(asked.title + u'|' + asked.proposedName, u"Export Customers|Customer"_s);
        QVERIFY(asked.save);
        QCOMPARE(asked.filter.split(u";;"_s).indexOf(asked.selectedFilter), 1);
        QCOMPARE(asked.filter, u"All Files (*.*);;CSV Files (*.csv);;Text Files (*.txt)"_s);
        QCOMPARE(m_install->files.calls.at(1).proposedName, u"Reservations"_s);
        QCOMPARE(m_install->eventLogText(),
                 logged(EventLog::CustomersExported) + logged(EventLog::ReservationsExported));
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void todaysReservations_data()
    {
        // The clock stands on 4 December 2026.
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("listed");
        QTest::newRow("yesterday to tomorrow") << u"2026-12-03 14:00:00"_s << u"2026-12-05 10:00:00"_s << true;
        QTest::newRow("whole day exactly") << u"2026-12-04 00:00:00"_s << u"2026-12-05 00:00:00"_s << true;
        QTest::newRow("arriving today") << u"2026-12-04 00:30:00"_s << u"2026-12-05 10:00:00"_s << false;
        QTest::newRow("leaving today") << u"2026-12-01 14:00:00"_s << u"2026-12-04 23:30:00"_s << false;
        QTest::newRow("yesterday") << u"2026-12-01 14:00:00"_s << u"2026-12-03 10:00:00"_s << false;
    }
    void todaysReservations()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, listed);
        QVERIFY(m_install->exec(u"DELETE FROM Booking"_s));
        QVERIFY(m_install->exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (7, 1, ?, ?)"_s,
                                {from, to}));
        m_install->files.answers << target(u"today.csv"_s);
        QCOMPARE(ExportMenu::exportTodaysReservations(m_install->services), listed);
        QCOMPARE(QFile::exists(target(u"today.csv"_s)), listed);
        if (listed)
            QCOMPARE(readBack(target(u"today.csv"_s)).size(), 2);
        else
            QCOMPARE(m_install->messages.said(), u"Export: There is no data to export"_s);
        QCOMPARE(m_install->eventLogText(), logged(EventLog::TodaysReservationsExported));
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
        QVERIFY(!ExportMenu::exportReservations(m_install->services));
        QVERIFY(!QDir(target(u"missing"_s)).exists());
        QVERIFY(m_install->messages.calls.isEmpty());
        QCOMPARE(m_install->eventLogText().count(EventLog::eventText(EventLog::ReservationsExported)), 2);

        // A device that stops taking bytes part-way: the writer reports it instead of carrying on.
        FullDevice full;
        QVERIFY(full.open(QIODevice::WriteOnly));
        QSqlQuery rows(m_install->db());
        QVERIFY(rows.exec(BookingReports::reservationsSql()) && rows.next());
        const Result<qint64> written = CsvExport::writeRows(rows, full);
        QCOMPARE(written.kind(), FailureKind::File);
        QVERIFY(!written.error().isEmpty());
    }

    void regionalValues()
    {
        CsvExport::ValueText german{QLocale(QLocale::German, QLocale::Germany)};
        QCOMPARE(german.text(QVariant(qlonglong(1236688)), CsvExport::ValueKind::Money), u"123,67"_s);
        QCOMPARE(german.text(QVariant(qlonglong(-55)), CsvExport::ValueKind::Money), u"-0,01"_s);
        QCOMPARE(german.text(QVariant(qlonglong(1234567)), CsvExport::ValueKind::Plain), u"1234567"_s);
        QCOMPARE(german.text(QVariant(qlonglong(0)), CsvExport::ValueKind::YesNo), u"False"_s);
        QCOMPARE(german.text(QVariant(QMetaType::fromType<qlonglong>()), CsvExport::ValueKind::Money), QString());
        QCOMPARE(german.text(QVariant(u"not a date"_s), CsvExport::ValueKind::DateTime), u"not a date"_s);
    }
};

ZEM_TEST(tst_Export)
#include "tst_Export.moc"
