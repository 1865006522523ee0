#include "common/InstallFixture.h"
#include "core/Lengths.h"
#include "rates/RateStore.h"

using namespace Pricing;

Q_DECLARE_METATYPE(RateTable)

// The rate table and the taxes as the office saves them, and what prices a berth from them.
class tst_RateStore : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        // Berth 1 is a pontoon berth (type 2, at least 8 m priced), 2 a slip (type 1), 3 has no type and no
        // daily charge.
        QVERIFY(exec(u"UPDATE BerthType SET MinimumLength = 8 WHERE ID = 2"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Length, TypeID, DailyHireCharge) VALUES "
                     u"(1, 'A1', 12.5, 2, 450000), (2, 'B2', 6, 1, 300000), (3, 'C3', 9, NULL, NULL)"_s));
    }

    static Rate nightly(qint64 pence, Basis basis = Basis::PerBerth)
    {
        return {basis, Money::fromPence(pence), {}, {}, {}};
    }
    // Low and High at one priority, one after the other; a new season (id -1) over them.
    static RateTable table()
    {
        return {
            {{1, u"Low"_s, QDate(2026, 1, 1), QDate(2026, 6, 30), false, 1},
             {2, u"High"_s, QDate(2026, 7, 1), QDate(2026, 9, 30), false, 1},
             {-1, u"Regatta"_s, QDate(2026, 8, 1), QDate(2026, 8, 7), true, 5}},
            {{1, 2, {}, nightly(2000)},
             {2, 2, {}, {Basis::PerMetre, Money::fromPence(250), Money::fromPence(300), Money::fromPence(1500), {}}},
             {2, {}, 1, nightly(3500)},
             {-1, 2, {}, nightly(9000)}},
            {{2, 800}}};
    }
    static RateTable seeded() { return {{}, {}, {{2, 800}}}; }
    static RateTable saved(RateTable t) // as the save numbers a new season
    {
        t.seasons[2].id = 3;
        t.rates[3].seasonId = 3;
        return t;
    }
private slots:
    void savedTableReadsBackAndPricesBerths()
    {
        const auto empty = RateStore::load(m_install->db());
        QVERIFY(empty && *empty == seeded());
        QVERIFY(RateStore::save(m_install->db(), seeded(), table()));
        const auto loaded = RateStore::load(m_install->db());
        QVERIFY2(loaded, qPrintable(loaded.error()));
        QVERIFY(*loaded == saved(table()));

        const auto berths = RateStore::berthRates(m_install->db(), {3, 1, 99, 2});
        QVERIFY2(berths, qPrintable(berths.error()));
        QCOMPARE(berths->size(), 3); // 99 is no berth
        // In the order asked: C3, A1, B2.
        const BerthRates& a1 = berths->at(1);
        QCOMPARE(a1.daily, std::optional(Money::fromPence(4500)));
        QCOMPARE(a1.lengthCm, 1250);
        QCOMPARE(a1.minimumLengthCm, 800);
        // The berth's own rate replaces its type's in High; Low and the regatta are the type's.
        QCOMPARE(a1.bySeason, (QHash<qint64, Rate>{{1, nightly(2000)}, {2, nightly(3500)}, {3, nightly(9000)}}));
        // C3 has no daily charge and no rates; B2 is a slip, without rates for its type.
        const Price price = priceStay(loaded->seasons, *berths, QDate(2026, 6, 30), 2, 1000);
        QCOMPARE(price.total.format(), u"£115.00"_s); // A1 £20 + £35, B2 two nights at its daily £30
        QCOMPARE(price.unpriced, QStringList{u"C3"_s});
    }

    void refusedTableSavesNothing_data()
    {
        // Each the saved table with one fault.
        const DataRows<RateTable> row;
        const auto with = [](const std::function<void(RateTable&)>& fault) {
            RateTable edited = table();
            fault(edited);
            return edited;
        };
        row("a minimum length over 1,000 m", with([](RateTable& t) { t.minimumLengthCm[1] = 100001; }));
        row("seasons of one priority sharing a night",
            with([](RateTable& t) { t.seasons[1].firstNight = QDate(2026, 6, 30); }));
        row("a rate of no season", with([](RateTable& t) { t.rates << RateRow{7, 2, {}, nightly(100)}; }));
        row("a rate of a type and a berth", with([](RateTable& t) { t.rates[0].berthId = 1; }));
        row("two rates for one type in a season", with([](RateTable& t) {
                t.rates << RateRow{1, 2, {}, nightly(100)};
            }));
        row("a negative rate", with([](RateTable& t) { t.rates[1].rate.weekly = Money::fromPence(-1); }));
    }
    void refusedTableSavesNothing()
    {
        const RateTable& edited = fetchRow<RateTable>();
        QVERIFY(RateStore::save(m_install->db(), seeded(), table()));
        const Status status = RateStore::save(m_install->db(), saved(table()), edited);
        QCOMPARE(status.kind(), FailureKind::Refused);
        QVERIFY(*RateStore::load(m_install->db()) == saved(table()));
    }

    // Two desks' changes to the rate table are merged: a rate both changed differently is asked about with
    // nothing saved; otherwise each desk's changes are kept.
    void changedAtAnotherDeskIsMerged()
    {
        QVERIFY(RateStore::save(m_install->db(), seeded(), table()));
        RateTable theirs = saved(table());
        theirs.rates[0].rate.nightly = Money::fromPence(2200);
        theirs.minimumLengthCm[1] = 550;
        QVERIFY(RateStore::save(m_install->db(), saved(table()), theirs));
        RateTable mine = saved(table());
        mine.seasons.removeLast();
        mine.rates.removeLast();
        mine.rates[0].rate.nightly = Money::fromPence(2100);
        std::optional<FieldChanges::Merge<RateTable>> merge;
        QCOMPARE(RateStore::save(m_install->db(), saved(table()), mine, {{1, u"Slip"_s}, {2, u"Pontoon"_s}}, {}, &merge)
                     .kind(),
                 FailureKind::Conflict);
        QCOMPARE(merge->conflicts(),
                 (QList<FieldChange>{{u"Rate of Pontoon in Low:"_s, u"nightly £22.00"_s, u"nightly £21.00"_s}}));
        QVERIFY(*RateStore::load(m_install->db()) == theirs);
        // That rate left as loaded: the season and rate this desk removed go, their rate and least length stay.
        mine.rates[0].rate.nightly = saved(table()).rates[0].rate.nightly;
        QVERIFY(RateStore::save(m_install->db(), saved(table()), mine));
        QCOMPARE(m_install->text(u"SELECT (SELECT COUNT(*) FROM Season) || '/' || (SELECT COUNT(*) FROM Rate)"_s),
                 u"2/3"_s);
        RateTable both = mine;
        both.rates[0].rate.nightly = Money::fromPence(2200);
        both.minimumLengthCm[1] = 550;
        QVERIFY(*RateStore::load(m_install->db()) == both);
    }

    void taxesByDate()
    {
        const auto delivered = RateStore::taxes(m_install->db());
        QVERIFY(delivered);
        QCOMPARE(*delivered, (QList<TaxRate>{{u"VAT"_s, DeliveredTax, QDate(2000, 1, 1)}}));
        QList<TaxRate> edited = *delivered;
        edited << TaxRate{u"VAT"_s, 2000, QDate(2027, 1, 4)};
        QList<TaxRate> sameDate = edited;
        sameDate << TaxRate{u"Tourist tax"_s, 100, QDate(2027, 1, 4)};
        QCOMPARE(RateStore::saveTaxes(m_install->db(), *delivered, sameDate).kind(), FailureKind::Refused);
        QVERIFY(RateStore::saveTaxes(m_install->db(), *delivered, edited));
        QCOMPARE(*RateStore::taxes(m_install->db()), edited);
        // A desk still holding the delivered list changes nothing.
        QCOMPARE(RateStore::saveTaxes(m_install->db(), *delivered, {}).kind(), FailureKind::Conflict);
        QCOMPARE(*RateStore::taxes(m_install->db()), edited);
    }
};

ZEM_TEST(tst_RateStore)
#include "tst_RateStore.moc"
