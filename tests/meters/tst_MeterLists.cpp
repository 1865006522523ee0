#include "MeterTestData.h"
#include "common/TestSupport.h"
#include "meters/MeterStore.h"
#include "outputs/HarbourFigures.h"
#include "outputs/MeterLists.h"
#include "outputs/MeterListsWindow.h"
#include "outputs/ReportManager.h"

#include <QBuffer>
#include <QComboBox>

using namespace Meters;

using namespace MeterTestData;

// The meters' lists and their figure in the Report Manager: use by berth and month, meters not read, readings
// flagged, each shown, printed and exported; an office without meters is offered none of it.
class tst_MeterLists : public InstallTest
{
    Q_OBJECT

    // Berths A1 and A2; E-1 on A1 read through May and June (a rollover on 10 June, a flagged day, a correction),
    // W-1 (water) on A2 last read on 1 April, E-9 on no berth never read.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        m_install->clock.current = DateTimes::wallTime(June1.addDays(29), QTime(18, 0));
        const qint64 e1 = add(u"E-1"_s, Kind::Electricity, 1, 4);
        const qint64 w1 = add(u"W-1"_s, Kind::Water, 2, 6);
        QVERIFY(add(u"=HYPERLINK(\"x\")"_s, Kind::Electricity, 0, 6));
        QVERIFY(read(w1, QDate(2026, 4, 1), 10));
        for (int d = -20; d <= 5; ++d) // 10 a day from 12 May to 6 June: 9,700 to 9,950
            QVERIFY(read(e1, June1.addDays(d), 9900 + 10 * d));
        QVERIFY(read(e1, June1.addDays(9), 20, true)); // rolled over: 70
        QVERIFY(read(e1, June1.addDays(10), 200));     // 180 in a day: flagged
        const auto last = read(e1, June1.addDays(20), 300);
        QVERIFY(last);
        QVERIFY(MeterStore::correct(db(), last->id, units(310), false, {}, m_install->clock.current, u"d"_s));
    }
    QSqlDatabase db() const { return m_install->db(); }
    qint64 add(const QString& serial, Kind kind, int berth, int digits)
    {
        Meter m;
        m.serial = serial;
        m.kind = kind;
        m.unit = defaultUnit(kind);
        m.digits = digits;
        if (berth)
            m.berthId = berth;
        m.fitted = QDate(2026, 1, 1);
        const auto id = MeterStore::saveMeter(db(), m);
        return id ? *id : 0;
    }
    Result<Reading> read(qint64 meter, const QDate& day, double value, bool rolled = false)
    {
        return MeterStore::addReading(db(), {meter, DateTimes::wallTime(day, QTime(9, 0)), units(value), rolled, {}},
                                      m_install->clock.current, u"desk"_s);
    }
    static QString joined(const ContractLists::List& list)
    {
        QStringList rows;
        for (const QVariantList& row : list.rows) {
            QStringList cells;
            for (qsizetype i = 0; i < row.size(); ++i)
                cells << ContractLists::shown(row.at(i), list.kinds.at(i));
            rows << cells.join(u' ');
        }
        return rows.join(u'|');
    }

    using ListRow = std::tuple<int, QString>; // the list (0 use, 1 not read, 2 flagged), its rows

private slots:
    void lists_data()
    {
        const DataRows<ListRow> row;
        // Each step counts in the month of its later reading. May: 19 steps of 10 (12 May opens); June: 6 of 10,
        // the rollover's 70 (9,950 to 9,999.999 and on to 20), 180, then the corrected 110.
        row("use by berth and month", {0, u"A1 2026-05 190|A1 2026-06 420"_s});
        row("not read for 30 days, never read first",
            {1, u" =HYPERLINK(\"x\") Electricity  never read|A2 W-1 Water 01/04/2026 90"_s});
        row("flagged, rolled over and corrected",
            {2, u"10/06/2026 A1 E-1 20 kWh rolled over|11/06/2026 A1 E-1 200 kWh over three times the usual|"
                u"21/06/2026 A1 E-1 310 kWh corrected from 300"_s});
    }
    void lists()
    {
        const auto& [which, expected] = fetchRow<ListRow>();
        const QDate from(2026, 5, 1), to = June1.addDays(29);
        const auto list = which == 0   ? MeterLists::useByBerth(db(), Kind::Electricity, from, to)
                          : which == 1 ? MeterLists::notRead(db(), to, 30)
                                       : MeterLists::flagged(db(), from, to);
        QVERIFY2(list, qPrintable(list.error()));
        QCOMPARE(joined(*list), expected);
    }

    // The figure: a bar a month for each kind, the table and the spreadsheet's rows with each month's ends.
    void figureByMonth()
    {
        const auto figure =
            HarbourFigures::build(db(), {HarbourFigures::Kind::MeterUse, QDate(2026, 4, 1), June1.addDays(29), {}});
        QVERIFY2(figure, qPrintable(figure.error()));
        QCOMPARE(figure->categories.size(), 3);
        QCOMPARE(figure->bars.size(), 2);
        QCOMPARE(figure->bars.at(0).values, (QList<double>{0, 190, 420}));
        QCOMPARE(figure->bars.at(1).values, (QList<double>{0, 0, 0}));
        QVERIFY(figure->emptyReason.isEmpty());
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(CsvExport::writeTable(figure->file, out));
        QCOMPARE(figure->file.rows.last(), (QVariantList{QDate(2026, 6, 1), QDate(2026, 6, 30), u"420"_s, u"0"_s}));
        QVERIFY2(out.data().contains("Electricity"), out.data().constData());
        const auto empty =
            HarbourFigures::build(db(), {HarbourFigures::Kind::MeterUse, QDate(2025, 1, 1), QDate(2025, 2, 1), {}});
        QVERIFY(!empty->emptyReason.isEmpty());
    }

    // The window: the list chosen is shown and exported, a serial a spreadsheet would run kept as text; the Report
    // Manager offers the lists and the figure only to an office with meters.
    void windowAndReportManager()
    {
        MeterListsWindow window(m_install->services);
        auto* list = control<QComboBox>(window, "cboList");
        list->setCurrentIndex(1);
        QCOMPARE(control<QTableWidget>(window, "grdList")->rowCount(), 2);
        const QString path = m_install->root() + u"/not-read.csv"_s;
        m_install->files.answers << path;
        click(window, "cmdExport");
        const QByteArray written = readAll(path);
        QVERIFY2(written.contains("'=HYPERLINK"), written.constData());
        {
            TestHost host;
            ReportManager manager(host, m_install->services);
            QVERIFY(manager.findChild<QPushButton*>(u"cmdMeterLists"_s));
            QCOMPARE(control<QComboBox>(manager, "cboFigure")->count(), 5);
        }
        QVERIFY(exec(u"DELETE FROM Meter"_s));
        TestHost host;
        ReportManager plain(host, m_install->services);
        QVERIFY(!plain.findChild<QPushButton*>(u"cmdMeterLists"_s));
        QCOMPARE(control<QComboBox>(plain, "cboFigure")->count(), 4);
    }
};

ZEM_TEST(tst_MeterLists)
#include "tst_MeterLists.moc"
