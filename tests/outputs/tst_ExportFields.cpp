#include "bookings/BookingReports.h"
#include "common/TestSupport.h"
#include "outputs/CsvExport.h"

#include <QBuffer>
#include <QSqlQuery>
#include <QSqlRecord>

// The export writes its bytes without the per-value texts; here the file must equal, byte for byte, the lines
// those texts make, in regional formats whose decimal point and digits differ from the C locale's.
class tst_ExportFields : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(m_install->exec(u"INSERT INTO Customer (ID, Name, Notes) VALUES "
                                u"(1, 'Smith, \"Jack\"', 'Ισαάκ — 漢字 \U0001F6A4'), (2, '', NULL)"_s));
        // Amounts around the rounding point and the sign, a date that is not one, a lone half of a surrogate pair.
        QVERIFY(m_install->exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, Notes, NoAdults, NoKids, CostOfHire, "
            u"OtherCharges, VAT, TotalPayable, AmountPayed, PaymentMethodID, BerthConfirmationNumber, ClubMember) "
            u"VALUES (1, 1, '2026-12-03 14:00:00', 'soon', 'Ann', ?, 2, -7, 50, -50, -49, 1236688, "
            u"-9223372036854775807, 3, 4711, 1), "
            u"(2, 2, '2026-12-04', ' 2026-12-06 10:00 ', NULL, '\"\"', 0, NULL, NULL, 149, 99999999999999, -1, 0, "
            u"NULL, -9223372036854775807, 0)"_s,
            {u"end \""_s + QChar(0xD83D)}));
        // Only a file holds text in a number column: an empty text as a yes/no.
        if (TestMain::currentEngine() == TestMain::Engine::SQLite)
            QVERIFY(m_install->exec(u"UPDATE Booking SET ClubMember = '' WHERE ID = 2"_s));
    }

    static QByteArray expected(QSqlQuery& rows, const QLocale& locale)
    {
        CsvExport::ValueText values(locale);
        const QSqlRecord record = rows.record();
        auto field = [](QString text) { return u'"' + text.replace(u'"', u"\"\""_s) + u'"'; };
        QString text;
        for (int i = 0; i < record.count(); ++i)
            text += (i > 0 ? u","_s : QString()) + field(record.fieldName(i));
        text += u"\r\n"_s;
        while (rows.next()) {
            for (int i = 0; i < record.count(); ++i)
                text += (i > 0 ? u","_s : QString()) +
                        field(values.text(rows.value(i), CsvExport::kindOf(record.fieldName(i))));
            text += u"\r\n"_s;
        }
        return "\xEF\xBB\xBF" + text.toUtf8();
    }

private slots:
    void bytesEqualTheValueTexts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("sql");
        QTest::newRow("en_GB reservations")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << BookingReports::reservationsSql();
        QTest::newRow("de_DE reservations")
            << QLocale(QLocale::German, QLocale::Germany) << BookingReports::reservationsSql();
        QTest::newRow("ar_EG reservations")
            << QLocale(QLocale::Arabic, QLocale::Egypt) << BookingReports::reservationsSql();
        QTest::newRow("de_DE customers") << QLocale(QLocale::German, QLocale::Germany) << CsvExport::customersSql();
    }

    void bytesEqualTheValueTexts()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, sql);
        QSqlQuery rows(m_install->db());
        QVERIFY(rows.exec(sql) && rows.next());
        QBuffer file;
        QVERIFY(file.open(QIODevice::WriteOnly));
        const Result<qint64> written = CsvExport::writeRows(rows, file, locale);
        QVERIFY2(written, qPrintable(written.error()));
        QCOMPARE(*written, 2);

        QSqlQuery again(m_install->db());
        QVERIFY(again.exec(sql));
        QCOMPARE(file.data(), expected(again, locale));
    }
};

ZEM_TEST(tst_ExportFields)
#include "tst_ExportFields.moc"
