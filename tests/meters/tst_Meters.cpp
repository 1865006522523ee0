#include "MeterTestData.h"
#include "bookings/BookingDocuments.h"
#include "bookings/CheckInMenu.h"
#include "bookings/StayMeters.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "meters/MeterImport.h"
#include "meters/MeterStore.h"
#include "meters/MeterWalk.h"
#include "meters/MetersDialog.h"

#include <QBuffer>

using namespace Meters;

using namespace MeterTestData;

// Meters, readings and tariffs: a stay's use priced by the tariff of each day, the checks of what is typed, the
// readings kept as first taken, and a stay checked in and out with its meters billed.
class tst_Meters : public InstallTest
{
    Q_OBJECT

    // Berths A1 and A2; Ann's booking 1 on A1 from 1 June, four nights; tax 20 %.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Lee')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CostOfHire, OtherCharges, VAT, "
                     u"TotalPayable, AmountPayed, TaxRate) VALUES (1, 1, ?, ?, 1000000, 0, 200000, 1200000, 0, 2000)"_s,
                     {dbText(June1, 14), dbText(June1.addDays(4), 10)}));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1)"_s));
        m_install->clock.current = DateTimes::wallTime(June1, QTime(14, 0));
    }
    QSqlDatabase db() const { return m_install->db(); }
    qint64 addMeter(const QString& serial, int berth, int digits = 6, const QDate& fitted = QDate(2026, 1, 1))
    {
        Meter m;
        m.serial = serial;
        m.unit = u"kWh"_s;
        m.digits = digits;
        m.berthId = berth;
        m.fitted = fitted;
        const auto id = MeterStore::saveMeter(db(), m);
        return id ? *id : 0;
    }
    Result<Reading> read(qint64 meter, const QDateTime& at, qint64 value, bool rolled = false)
    {
        return MeterStore::addReading(db(), {meter, at, value, rolled, {}}, m_install->clock.current, u"desk"_s);
    }
    QDateTime at(int day, int hour = 9) const { return DateTimes::wallTime(June1.addDays(day), QTime(hour, 0)); }

    using PriceRow = std::tuple<QList<Tariff>, QList<Period>, int, qint64, int>; // tariffs, periods, days, pence, lines

private slots:
    void price_data()
    {
        const DataRows<PriceRow> row;
        const QDate d = June1;
        // Each expected total worked out by hand, pence per unit times units, plus pence per day times days.
        row("85.5 kWh at 32p and 4 days at 50p",
            {{tariff(QDate(2020, 1, 1), 32, 50)}, {{d, d.addDays(4), units(85.5)}}, 4, 855 * 32 / 10 + 4 * 50, 2});
        row("a tariff change after two of four days",
            {{tariff(QDate(2020, 1, 1), 32, 50), tariff(d.addDays(2), 40, 60)},
             {{d, d.addDays(4), units(100)}},
             4,
             50 * 32 + 50 * 40 + 2 * 50 + 2 * 60,
             4});
        row("bands filled from the first unit",
            {{tariff(QDate(2020, 1, 1), 30, 0, {{units(10), pence(10)}, {units(30), pence(20)}})},
             {{d, d.addDays(2), units(50)}},
             2,
             10 * 10 + 20 * 20 + 20 * 30,
             3});
        row("a band running across a tariff change",
            {{tariff(QDate(2020, 1, 1), 30, 0, {{units(15), pence(10)}}), tariff(d.addDays(1), 50, 0)},
             {{d, d.addDays(2), units(20)}},
             2,
             10 * 10 + 10 * 50,
             2});
        row("a swap: the old meter's days, then the new one's",
            {{tariff(QDate(2020, 1, 1), 32, 50)},
             {{d, d.addDays(2), units(30)}, {d.addDays(2), d.addDays(4), units(20)}},
             4,
             50 * 32 + 4 * 50,
             2});
        row("days before the first tariff go unpriced",
            {{tariff(d.addDays(2), 32, 50)}, {{d, d.addDays(4), units(40)}}, 4, 20 * 32 + 2 * 50, 2});
        row("a part unit rounded once, half up",
            {{tariff(QDate(2020, 1, 1), 33, 0)}, {{d, d.addDays(1), units(0.5)}}, 1, 17, 1});
        row("read twice in one day", {{tariff(QDate(2020, 1, 1), 32, 0)}, {{d, d, units(3)}}, 0, 96, 1});
    }
    void price()
    {
        const auto& [tariffs, periods, days, expected, lineCount] = fetchRow<PriceRow>();
        const Bill bill = Meters::price(tariffs, Kind::Electricity, periods, June1, June1.addDays(days));
        QCOMPARE(bill.total, pence(expected));
        QCOMPARE(bill.lines.size(), lineCount);
        Money sum;
        for (const Line& line : bill.lines)
            sum += line.amount;
        QCOMPARE(sum, bill.total);
        QVERIFY(Meters::price(tariffs, Kind::Water, periods, June1, June1.addDays(days)).lines.isEmpty());
    }

    // The office's example in words, as the booking keeps it.
    void exampleBreakdown()
    {
        const Bill bill = Meters::price({tariff(QDate(2020, 1, 1), 32, 50)}, Kind::Electricity,
                                        {{June1, June1.addDays(4), units(85.5)}}, June1, June1.addDays(4));
        QCOMPARE(billText(bill, u"kWh"_s), u"85.5 kWh at £0.32, 01/06/2026 to 04/06/2026: £27.36\n"
                                           u"4 days at £0.50 a day, 01/06/2026 to 04/06/2026: £2.00"_s);
    }

    void readValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("digits");
        QTest::addColumn<qint64>("value"); // -1: refused
        QTest::addColumn<QString>("why");
        QTest::newRow("grouped with a decimal") << u"10,412.5"_s << u"en_GB"_s << 6 << units(10412.5) << QString();
        QTest::newRow("a plain point") << u" 10412.5 "_s << u"en_GB"_s << 6 << units(10412.5) << QString();
        QTest::newRow("German notation") << u"10.412,5"_s << u"de_DE"_s << 6 << units(10412.5) << QString();
        QTest::newRow("a handheld's point in German") << u"10412.5"_s << u"de_DE"_s << 6 << units(10412.5) << QString();
        QTest::newRow("German thousands") << u"10.412"_s << u"de_DE"_s << 6 << units(10412) << QString();
        QTest::newRow("leading zeros") << u"000123"_s << u"en_GB"_s << 3 << units(123) << QString();
        QTest::newRow("all the digits") << u"999999.999"_s << u"en_GB"_s << 6 << units(999999.999) << QString();
        QTest::newRow("one digit too many") << u"1000000"_s << u"en_GB"_s << 6 << qint64(-1) << u"more digits"_s;
        QTest::newRow("negative") << u"-3"_s << u"en_GB"_s << 6 << qint64(-1) << u"below zero"_s;
        QTest::newRow("not a number") << u"12a4"_s << u"en_GB"_s << 6 << qint64(-1) << u"not a reading"_s;
        QTest::newRow("four decimals") << u"12.3456"_s << u"en_GB"_s << 6 << qint64(-1) << u"three decimals"_s;
        QTest::newRow("empty") << u"  "_s << u"en_GB"_s << 6 << qint64(-1) << u"Type the reading"_s;
    }
    void readValue()
    {
        QFETCH(QString, typed);
        QFETCH(QString, locale);
        QFETCH(int, digits);
        QFETCH(qint64, value);
        QFETCH(QString, why);
        const auto read = Meters::readValue(typed, digits, QLocale(locale));
        if (value < 0) {
            QVERIFY(!read);
            QVERIFY2(read.error().contains(why), qPrintable(read.error()));
        } else {
            QVERIFY2(read, qPrintable(read.error()));
            QCOMPARE(*read, value);
            QCOMPARE(Meters::readValue(valueText(*read, QLocale(locale)), digits, QLocale(locale)).value(), value);
        }
    }

    void tariffChecks_data()
    {
        QTest::addColumn<QList<Tariff>>("tariffs");
        QTest::addColumn<QString>("why"); // empty: accepted
        const QDate d(2026, 1, 1);
        QTest::newRow("bands rising") << QList<Tariff>{tariff(d, 30, 50,
                                                              {{units(10), pence(10)}, {units(20), pence(20)}})}
                                      << QString();
        QTest::newRow("bands out of order")
            << QList<Tariff>{tariff(d, 30, 50, {{units(20), pence(10)}, {units(10), pence(20)}})} << u"Band 2"_s;
        QTest::newRow("a band of nothing") << QList<Tariff>{tariff(d, 30, 50, {{0, pence(10)}})} << u"Band 1"_s;
        QTest::newRow("a price below zero") << QList<Tariff>{tariff(d, -1, 50)} << u"price per unit"_s;
        QTest::newRow("a standing charge too dear") << QList<Tariff>{tariff(d, 30, 100001)} << u"price per unit"_s;
        QTest::newRow("no date") << QList<Tariff>{tariff(QDate(), 30, 50)} << u"takes effect"_s;
        QTest::newRow("two from one day") << QList<Tariff>{tariff(d, 30, 50), tariff(d, 31, 50)} << u"keep one"_s;
    }
    void tariffChecks()
    {
        QFETCH(QList<Tariff>, tariffs);
        QFETCH(QString, why);
        const Status saved = MeterStore::saveTariffs(db(), tariffs);
        QCOMPARE(saved.error().isEmpty(), why.isEmpty());
        QVERIFY2(saved.error().contains(why), qPrintable(saved.error()));
        const auto stored = MeterStore::tariffs(db());
        QVERIFY(stored);
        if (why.isEmpty()) {
            QCOMPARE(stored->size(), tariffs.size());
            QCOMPARE(stored->first().bands, tariffs.first().bands);
        } else {
            QVERIFY(stored->isEmpty()); // nothing half-saved
        }
    }

    // A reading against the meter and the last one: the refusals, and below the last asks about a rollover.
    void readingChecks()
    {
        const qint64 meter = addMeter(u"E-100"_s, 1, 5, June1.addDays(-10));
        QVERIFY(meter);
        m_install->clock.current = at(3);
        QVERIFY(read(meter, at(-10), units(99990)));
        const auto future = read(meter, at(3, 10), units(99995));
        QVERIFY(future.error().contains(u"future"_s));
        const auto beforeFitted = read(meter, at(-11), units(99995));
        QVERIFY(beforeFitted.error().contains(u"fitted"_s));
        QVERIFY(read(meter, at(0), units(99995)));
        const auto earlier = read(meter, at(-1), units(99996));
        QVERIFY(earlier.error().contains(u"before it"_s));
        const auto mistyped = read(meter, at(1), units(15.5));
        QVERIFY2(mistyped.error().contains(u"rolled over"_s), qPrintable(mistyped.error()));
        const auto rolled = read(meter, at(1), units(15.5), true);
        QVERIFY(rolled && rolled->rolledOver);
        const auto all = MeterStore::readings(db(), meter);
        QCOMPARE(all->size(), 3);
        QCOMPARE(useOver(*all, 5), units(25.5));
        // The berth's usual is 0.5 a day over its ten days; 25.5 in one day is pointed out, not refused.
        QVERIFY(rolled->flagged);
        QVERIFY(!all->at(1).flagged);
    }

    // A wrong reading put right keeps the first, and the database refuses to change or delete a reading.
    void correctionsKeepTheFirst()
    {
        const qint64 meter = addMeter(u"E-1"_s, 1);
        QVERIFY(read(meter, at(-3), units(100)));
        const auto wrong = read(meter, at(-2), units(1500));
        QVERIFY(wrong);
        QVERIFY(read(meter, at(-1), units(160)).error().contains(u"below"_s));
        const auto tooHigh = MeterStore::correct(db(), wrong->id, units(170), false, {}, at(0), u"desk"_s);
        QVERIFY(tooHigh);
        QVERIFY(read(meter, at(-1), units(175)));
        QVERIFY(
            MeterStore::correct(db(), wrong->id, units(180), false, {}, at(0), u"desk"_s).error().contains(u"after"_s));
        QVERIFY(
            MeterStore::correct(db(), wrong->id, units(90), false, {}, at(0), u"desk"_s).error().contains(u"before"_s));
        const auto fixed = MeterStore::correct(db(), wrong->id, units(150), false, u"typo"_s, at(0), u"desk"_s);
        QVERIFY2(fixed, qPrintable(fixed.error()));
        QVERIFY(fixed->corrected);
        QCOMPARE(fixed->value, units(150));
        QCOMPARE(fixed->firstValue, units(1500));
        const auto all = MeterStore::readings(db(), meter);
        QCOMPARE(all->size(), 3);
        QCOMPARE(useOver(*all, 6), units(75));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterReading"_s), 5);
        QVERIFY(!exec(u"UPDATE MeterReading SET Value = 1 WHERE ID = ?"_s, {wrong->id}));
        QVERIFY(!exec(u"DELETE FROM MeterReading WHERE ID = ?"_s, {wrong->id}));
    }

    void meterChecks()
    {
        QVERIFY(addMeter(u"E-1"_s, 1));
        Meter m;
        m.serial = u"e-1"_s;
        m.unit = u"kWh"_s;
        m.fitted = June1;
        QVERIFY(MeterStore::saveMeter(db(), m).error().contains(u"serial number E-1"_s));
        m.serial = u"E-2"_s;
        m.berthId = 1;
        QVERIFY(MeterStore::saveMeter(db(), m).error().contains(u"already has"_s));
        m.kind = Kind::Water;
        m.unit = defaultUnit(Kind::Water);
        QVERIFY(MeterStore::saveMeter(db(), m)); // a water meter beside the electricity one
        m.serial = u"E-3"_s;
        m.kind = Kind::Electricity;
        m.berthId = 2;
        m.digits = 10;
        QVERIFY(MeterStore::saveMeter(db(), m).error().contains(u"digits"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Meter"_s), 2);
    }

    // The office's example end to end: read at check-in and check-out, billed, taxed and totalled on the booking,
    // and its invoice read back from the PDF with each meter's readings, the units at their price and the days.
    void stayBilled_data()
    {
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<qint64>("charged"); // pence before tax
        QTest::addColumn<QStringList>("reads");
        QTest::newRow("one meter")
            << false << qint64(2936)
            << QStringList{u"Meter E-1: 10,412.5 kWh on 01/06/2026 to 10,498 kWh on 05/06/2026, 85.5 kWh used"_s};
        // The old meter counts 40.0 to its closing reading on the third day, the new one 45.5 from zero.
        QTest::newRow("a meter swapped mid-stay")
            << true << qint64(2936)
            << QStringList{u"Meter E-1: 10,412.5 kWh on 01/06/2026 to 10,452.5 kWh on 03/06/2026, 40 kWh used"_s,
                           u"Meter E-2: 0 kWh on 03/06/2026 to 45.5 kWh on 05/06/2026, 45.5 kWh used"_s};
    }
    void stayBilled()
    {
        QFETCH(bool, swapped);
        QFETCH(qint64, charged);
        QFETCH(QStringList, reads);
        QVERIFY(MeterStore::saveTariffs(db(), {tariff(QDate(2020, 1, 1), 32, 50)}));
        const qint64 meter = addMeter(u"E-1"_s, 1);
        QVERIFY(read(meter, at(-5), units(10000)));
        const auto due = StayMeters::toRead(db(), 1, June1);
        QCOMPARE(due->size(), 1);
        QCOMPARE(due->first().last->value, units(10000));
        QVERIFY(!StayMeters::arrive(db(), 1, at(0, 14), u"desk"_s, CheckIn::Timing::OnTheDay, {}));
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 1"_s), 0); // nothing half-saved
        const auto in = StayMeters::arrive(db(), 1, at(0, 14), u"desk"_s, CheckIn::Timing::OnTheDay,
                                           {{meter, units(10412.5), false}});
        QVERIFY2(in, qPrintable(in.error()));
        qint64 last = meter;
        if (swapped) {
            m_install->clock.current = at(2, 11);
            Meter fresh;
            fresh.serial = u"E-2"_s;
            fresh.unit = u"kWh"_s;
            const auto id = MeterStore::swap(db(), meter, {meter, at(2, 11), units(10452.5), false, {}}, fresh, 0,
                                             at(2, 11), u"desk"_s);
            QVERIFY2(id, qPrintable(id.error()));
            last = *id;
        }
        m_install->clock.current = at(4, 10);
        const qint64 closing = swapped ? units(45.5) : units(10498);
        const auto out = StayMeters::depart(db(), 1, at(4, 10), u"desk"_s, {{last, closing, false}});
        QVERIFY2(out, qPrintable(out.error()));
        QCOMPARE(out->charged, pence(charged));
        const Money tax = pence(charged).ratioToPenny(2000, 10000);
        QCOMPARE(Money::fromDb(m_install->value(u"SELECT OtherCharges FROM Booking WHERE ID = 1"_s)), pence(charged));
        QCOMPARE(Money::fromDb(m_install->value(u"SELECT VAT FROM Booking WHERE ID = 1"_s)), pence(2000) + tax);
        QCOMPARE(Money::fromDb(m_install->value(u"SELECT TotalPayable FROM Booking WHERE ID = 1"_s)),
                 pence(12000 + charged) + tax);
        const auto kept = MeterStore::bookingCharges(db(), 1);
        QCOMPARE(kept->size(), 1);
        QCOMPARE(kept->first().units, units(85.5));
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 1"_s), 2);
        const auto data = BookingDocuments::loadBooking(db(), 1, June1.addDays(4));
        QVERIFY2(data, qPrintable(data.error()));
        const QString paper = printed(BookingDocuments::receipt(*data), m_install->root() + u"/invoice.pdf"_s);
        for (const QString& line : reads + QStringList{u"Other Charges: £29.36"_s, u"Electricity, berth A1 £29.36"_s,
                                                       u"85.5 kWh at £0.32, 01/06/2026 to 04/06/2026: £27.36"_s,
                                                       u"4 days at £0.50 a day, 01/06/2026 to 04/06/2026: £2.00"_s,
                                                       u"VAT: £25.87"_s, u"Total Payable: £155.23"_s})
            QVERIFY2(paper.contains(line), qPrintable(line + u"\n--- not in ---\n"_s + paper));
    }

    // The walk list printed in berth order, read back from the PDF as another program sees it.
    void walkList()
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (3, 'B1', 1)"_s));
        const qint64 onB1 = addMeter(u"W-9"_s, 3);
        const qint64 onA2 = addMeter(u"E-7"_s, 2);
        QVERIFY(addMeter(u"E-OLD"_s, 1, 6, QDate(2020, 1, 1)) &&
                exec(u"UPDATE Meter SET Removed = '2025-12-31' WHERE Serial = 'E-OLD'"_s));
        QVERIFY(read(onA2, at(-3), units(10412.5)));
        QVERIFY(read(onB1, at(-2), units(77)));
        const auto lines = MeterStore::walk(db(), June1);
        QVERIFY(lines);
        QCOMPARE(lines->size(), 2);
        const auto pdf = DocumentRenderer::pdfBytes(MeterWalk::document(*lines, at(0)));
        QVERIFY(pdf);
        const QString path = m_install->root() + u"/walk.pdf"_s;
        QVERIFY(writeAll(path, *pdf));
        const QString text = PdfReader::pages(path).join(u'\n');
        QVERIFY2(text.contains(u"Meter Walk"_s), qPrintable(text));
        const qsizetype a2 = text.indexOf(u"A2"_s);
        const qsizetype b1 = text.indexOf(u"B1"_s);
        QVERIFY2(a2 > 0 && b1 > a2, qPrintable(text));
        QVERIFY2(text.contains(Meters::valueText(units(10412.5)) + u" kWh"_s), qPrintable(text));
        QVERIFY(text.contains(u"29/05/2026"_s));
        QVERIFY(!text.contains(u"E-OLD"_s));
    }

    // A handheld's file: every row's fate before anything is saved, then the rows that can be, all at once.
    void importReadings_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray rows = "Serial,Read at,Reading\n"
                                "E-1,2026-06-01 08:00,100.5\n"
                                "E-1,2026-05-01 08:00,90\n"
                                "X-404,2026-06-01 08:00,10\n"
                                "E-2,2026-06-01 08:10,5\n"
                                "E-2,2026-06-01 08:20,abc\n"
                                "E-1,2026-06-01 09:00,101\n";
        QTest::newRow("UTF-8 with commas") << rows;
        QByteArray semicolons = rows;
        semicolons.replace(',', ';');
        QTest::newRow("semicolons") << semicolons;
        QByteArray latin = QByteArray("Num\xe9ro;Date;Relev\xe9\r\n") + semicolons.mid(semicolons.indexOf('\n') + 1);
        QTest::newRow("Windows-1252, semicolons, CRLF") << latin;
    }
    void importReadings()
    {
        QFETCH(QByteArray, file);
        const qint64 e1 = addMeter(u"E-1"_s, 1);
        const qint64 e2 = addMeter(u"E-2"_s, 2, 4);
        QVERIFY(read(e1, at(-10), units(95)));
        QVERIFY(read(e2, at(-10), units(9990)));
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const auto rows = MeterImport::dryRun(db(), buffer, at(0));
        QVERIFY2(rows, qPrintable(rows.error()));
        QStringList fates;
        for (const MeterImport::Row& r : *rows)
            fates << MeterImport::fateText(r.fate);
        QCOMPARE(fates.join(u'|'), u"accepted|earlier than the last|unknown meter|rolled over|refused|accepted"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterReading"_s), 2); // the dry run wrote nothing
        const auto added = MeterImport::import(db(), *rows, at(0), u"desk"_s);
        QVERIFY2(added, qPrintable(added.error()));
        QCOMPARE(*added, 3);
        QCOMPARE(useOver(*MeterStore::readings(db(), e1), 6), units(6));
        QCOMPARE(useOver(*MeterStore::readings(db(), e2), 4), units(15));
        // Brought in again, no row is after the last reading: nothing is added twice.
        QVERIFY(buffer.seek(0));
        const auto again = MeterImport::dryRun(db(), buffer, at(0));
        QVERIFY(std::none_of(again->cbegin(), again->cend(), [](const auto& r) { return r.saved(); }));
    }

    // The import flags a day's use over three times the berth's usual as a reading typed is flagged, judges a row
    // against the one before it in the file, and stops whole when a reading was added since the dry run.
    void importFlagsAndChecksAgain()
    {
        const qint64 e1 = addMeter(u"E-1"_s, 1);
        const qint64 e2 = addMeter(u"E-2"_s, 2);
        for (int d = -20; d <= -10; ++d) // 10 a day
            QVERIFY(read(e1, at(d), units(1000 + 10 * (d + 20))));
        QVERIFY(read(e2, at(-10), units(500)));
        const auto line = [&](const QString& serial, int day, int value) {
            return u"%1,%2,%3\n"_s.arg(serial, at(day).toString(u"yyyy-MM-dd HH:mm"_s)).arg(value).toUtf8();
        };
        // 50 in a day (flagged), then 10 against a usual that now counts the 50, and a meter with no usual yet.
        QByteArray file = line(u"E-1"_s, -9, 1150) + line(u"E-1"_s, -8, 1160) + line(u"E-2"_s, -9, 900);
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const auto rows = MeterImport::dryRun(db(), buffer, at(0));
        QVERIFY(rows);
        QCOMPARE(*MeterImport::import(db(), *rows, at(0), u"desk"_s), 3);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterReading WHERE Flagged = 1"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT Flagged FROM MeterReading WHERE MeterID = ? AND Value = ?"_s,
                                      {e1, units(1150)}),
                 1);
        QByteArray later = line(u"E-1"_s, -5, 1200);
        QBuffer second(&later);
        QVERIFY(second.open(QIODevice::ReadOnly));
        const auto dry = MeterImport::dryRun(db(), second, at(0));
        QVERIFY(read(e1, at(-4), units(1190)));
        const auto refused = MeterImport::import(db(), *dry, at(0), u"desk"_s);
        QCOMPARE(refused.kind(), FailureKind::Conflict);
        VERIFY_HAS(refused.error(), u"Line 1"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterReading"_s), 16);
    }

    // Through the windows: check-in and check-out ask for the reading (a value below the last asks about a rollover
    // and goes back on No), then the charge is posted; an office with no meters is asked nothing.
    void checkInAndOutAskForReadings()
    {
        QVERIFY(MeterStore::saveTariffs(db(), {tariff(QDate(2020, 1, 1), 32, 50)}));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed, TaxRate) "
                     u"VALUES (2, 1, ?, ?, 0, 0, 0)"_s,
                     {dbText(June1, 14), dbText(June1.addDays(4), 10)}));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (2, 2)"_s));
        QVERIFY(CheckInMenu::arrive(m_install->services, nullptr, 2)); // berth A2 has no meter: nothing asked
        const qint64 meter = addMeter(u"E-1"_s, 1);
        QVERIFY(read(meter, at(-5), units(10412.5)));
        QString shown;
        onNextModal([&](QDialog* d) {
            shown = control<QLabel>(*d, "lblLast1")->text();
            type(*d, "txtReading1", u"10412.5"_s);
            click(*d, "cmdOK");
        });
        QVERIFY(CheckInMenu::arrive(m_install->services, nullptr, 1));
        QVERIFY2(shown.startsWith(Meters::valueText(units(10412.5))), qPrintable(shown));
        m_install->clock.current = at(4, 10);
        // Depart with the balance owing; the reading below the last was mistyped; the charge told.
        m_install->messages.answers << MsgResult::No << MsgResult::No << MsgResult::Ok;
        onNextModal([&](QDialog* d) {
            type(*d, "txtReading1", u"10400"_s);
            click(*d, "cmdOK"); // below the last: No, it was mistyped
            QVERIFY(d->isVisible());
            type(*d, "txtReading1", u"10498"_s);
            click(*d, "cmdOK");
        });
        QVERIFY(CheckInMenu::depart(m_install->services, nullptr, 1));
        // The question about money owed names the balance with the meters' charge and its tax in it.
        VERIFY_HAS(said(), u"Ann Lee still owes £155.23 (paid £0.00 of £155.23)"_s);
        QCOMPARE(Money::fromDb(m_install->value(u"SELECT OtherCharges FROM Booking WHERE ID = 1"_s)), pence(2936));
        QVERIFY2(said().contains(u"£29.36 before tax"_s), qPrintable(said()));
        QVERIFY(logText().contains(u"Meter charge posted"_s));
    }

    // The window by the keyboard: a reading typed and saved with Enter, then corrected, the first kept in view.
    void metersWindowReadings()
    {
        const qint64 meter = addMeter(u"E-1"_s, 1);
        QVERIFY(read(meter, at(-5), units(100)));
        MetersDialog window(m_install->services, nullptr);
        QCOMPARE(control<QTableWidget>(window, "tblMeters")->rowCount(), 1);
        onNextModal([&](QDialog* d) {
            type(*d, "txtReading", u"250"_s);
            QTest::keyClick(control<QWidget>(*d, "txtReading"), Qt::Key_Return);
        });
        click(window, "cmdAddReading");
        auto* readings = control<QTableWidget>(window, "tblReadings");
        QCOMPARE(readings->rowCount(), 2);
        QCOMPARE(readings->item(1, 2)->text(), u"150"_s);
        readings->setCurrentCell(1, 0);
        onNextModal([&](QDialog* d) {
            type(*d, "txtReading", u"150"_s);
            click(*d, "cmdOK");
        });
        click(window, "cmdCorrectReading");
        QCOMPARE(readings->item(1, 1)->text(), u"150"_s);
        QVERIFY(readings->item(1, 3)->text().contains(u"corrected from 250"_s));
    }

    void readBands_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read"); // as written back; empty: refused
        QTest::newRow("two bands") << u"10 at 0.10; 30 at 0.2"_s << u"10 at 0.10; 30 at 0.20"_s;
        QTest::newRow("part units, spaces, a last semicolon") << u" 12.5 at 0.10 ;"_s << u"12.5 at 0.10"_s;
        QTest::newRow("none") << u""_s << u""_s;
        QTest::newRow("no price") << u"10 at"_s << QString();
        QTest::newRow("no 'at'") << u"10 0.10"_s << QString();
        QTest::newRow("a price with a tenth of a penny") << u"10 at 0.105"_s << QString();
    }
    void readBands()
    {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const auto bands = Meters::readBands(typed, QLocale(u"en_GB"_s));
        if (read.isNull() && !typed.isEmpty()) {
            QVERIFY(bands.error().contains(u"is not a band"_s));
            return;
        }
        QVERIFY2(bands, qPrintable(bands.error()));
        QCOMPARE(Meters::bandsText(*bands, QLocale(u"en_GB"_s)), read);
    }

    // The lists: a berth's use between two times and by month, a rollover and a swap counted, a correction in place.
    void useByBerthAndMonth()
    {
        const qint64 old = addMeter(u"E-1"_s, 1, 4);
        QVERIFY(read(old, at(-40), units(9000)));
        QVERIFY(read(old, at(-20), units(9990)));
        QVERIFY(read(old, at(-10), units(10), true));
        Meter fresh;
        fresh.serial = u"E-2"_s;
        fresh.unit = u"kWh"_s;
        m_install->clock.current = at(-5);
        QVERIFY(MeterStore::swap(db(), old, {old, at(-5), units(30), false, {}}, fresh, units(100), at(-5), u"d"_s));
        const qint64 now = Sql::scalar(db(), u"SELECT ID FROM Meter WHERE Serial = 'E-2'"_s)->toLongLong();
        m_install->clock.current = at(2);
        const auto last = read(now, at(1), units(140));
        QVERIFY(last);
        QVERIFY(MeterStore::correct(db(), last->id, units(145), false, {}, at(2), u"d"_s));
        const auto year = MeterStore::berthUse(db(), 1, Kind::Electricity, at(-60), at(2));
        QCOMPARE(*year, units(990 + 20 + 20 + 45));
        QCOMPARE(*MeterStore::berthUse(db(), 1, Kind::Water, at(-60), at(2)), 0);
        const auto months = MeterStore::useByMonth(db(), Kind::Electricity, June1.addDays(-60), June1.addDays(2));
        QStringList shown;
        for (const auto& m : *months)
            shown << u"%1 %2 %3"_s.arg(m.berth, m.month, Meters::valueText(m.use, QLocale::c()));
        QCOMPARE(shown.join(u'|'), u"A1 2026-05 1030|A1 2026-06 45"_s);
    }

    // A departure whose reading is refused leaves the guest in and nothing billed.
    void refusedReadingLeavesTheGuestIn()
    {
        const qint64 meter = addMeter(u"E-1"_s, 1);
        QVERIFY(
            StayMeters::arrive(db(), 1, at(0, 14), u"desk"_s, CheckIn::Timing::OnTheDay, {{meter, units(500), false}}));
        m_install->clock.current = at(4, 10);
        QVERIFY(!StayMeters::depart(db(), 1, at(4, 10), u"desk"_s, {{meter, units(400), false}}));
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 1"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterReading"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterCharge"_s), 0);
    }
};

ZEM_TEST(tst_Meters)
#include "tst_Meters.moc"
