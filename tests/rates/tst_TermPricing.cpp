#include "common/TestSupport.h"
#include "rates/TermPricing.h"
#include "rates/TermRates.h"
#include "rates/TermsDialog.h"

using TermPricing::Term;
using TermPricing::TermRate;

namespace {
Money pounds(qint64 p)
{
    return Money::fromPence(p * 100);
}
// The office's two terms: the season from 1 April to 30 September and the winter over New Year, every year.
QList<Term> seasonAndWinter()
{
    return {{1, u"Season"_s, QDate(2026, 4, 1), QDate(2026, 9, 30), true, 0},
            {2, u"Winter"_s, QDate(2026, 10, 1), QDate(2027, 3, 31), true, 0}};
}
QList<TermRate> typeRates()
{
    return {{1, 1, 7, {}, Pricing::Basis::PerBerth, pounds(1200), QDate(2020, 1, 1)},
            {2, 2, 7, {}, Pricing::Basis::PerBerth, pounds(600), QDate(2020, 1, 1)}};
}
const TermPricing::BerthTerms P1{1, u"P1"_s, 7, 1000, 0};

// What a run of days pays, worked out here in whole ten-thousandths and rounded half up to the penny.
qint64 sharePence(qint64 pricePence, qint64 days, qint64 termDays)
{
    return (pricePence * days * 2 + termDays) / (2 * termDays);
}
} // namespace

// A berth let for a term: the term's price by the days held, the stretch of a yearly term that holds a day, the rate
// in force and the refusals of terms and prices.
class tst_TermPricing : public InstallTest
{
    Q_OBJECT

    using StartRow = std::tuple<QDate, QDate, qint64>;

private slots:
    // The example every office checks: from 1 September to 31 March pays 30 of the season's 183 days and the whole
    // winter.
    void straddlingTwoTerms()
    {
        const auto quote =
            TermPricing::price(seasonAndWinter(), typeRates(), {P1}, QDate(2026, 9, 1), QDate(2027, 3, 31));
        QCOMPARE(quote.total, Money::fromPence(sharePence(120000, 30, 183) + 60000));
        QCOMPARE(quote.total, Money::fromPence(79672));
        QCOMPARE(quote.shares.size(), 2);
        QCOMPARE(quote.shares[0].days, 30);
        QCOMPARE(quote.shares[0].termDays, 183);
        QCOMPARE(quote.shares[1].days, quote.shares[1].termDays);
        QVERIFY(quote.unpriced.isEmpty());
    }

    void starts_data()
    {
        // expected: in pence, worked out independently from the days in each stretch
        const DataRows<StartRow> row;
        row("whole season", {QDate(2026, 4, 1), QDate(2026, 9, 30), 120000});
        row("first day only", {QDate(2026, 4, 1), QDate(2026, 4, 1), sharePence(120000, 1, 183)});
        row("last day only", {QDate(2026, 9, 30), QDate(2026, 9, 30), sharePence(120000, 1, 183)});
        row("one night of winter", {QDate(2026, 12, 31), QDate(2026, 12, 31), sharePence(60000, 1, 182)});
        // The winter over a leap February has 183 days, so a day of it costs less.
        row("leap winter", {QDate(2027, 10, 1), QDate(2028, 3, 31), 60000});
        row("leap winter day", {QDate(2028, 2, 29), QDate(2028, 2, 29), sharePence(60000, 1, 183)});
        row("a year from mid-term",
            {QDate(2026, 7, 1), QDate(2027, 6, 30), sharePence(120000, 92, 183) + 60000 + sharePence(120000, 91, 183)});
        row("two winters' ends",
            {QDate(2027, 3, 31), QDate(2027, 10, 1), sharePence(60000, 1, 182) + 120000 + sharePence(60000, 1, 183)});
    }
    void starts()
    {
        const auto& [first, last, expected] = fetchRow<StartRow>();
        const auto quote = TermPricing::price(seasonAndWinter(), typeRates(), {P1}, first, last);
        QCOMPARE(quote.total.units(), expected * 100);
        qint64 days = 0;
        for (const TermPricing::Share& share : quote.shares)
            days += share.days;
        QCOMPARE(days, first.daysTo(last) + 1);
    }

    // A berth's own price over its type's, the latest in force at a stretch's start, per metre with the boat's
    // length (never below the type's minimum), and a day no term prices.
    void ratesInForce()
    {
        QList<TermRate> rates = typeRates();
        rates << TermRate{3, 1, 7, {}, Pricing::Basis::PerBerth, pounds(1500), QDate(2027, 1, 1)};
        const QDate first(2026, 4, 1);
        const QDate last(2026, 9, 30);
        QCOMPARE(TermPricing::price(seasonAndWinter(), rates, {P1}, first, last).total, pounds(1200));
        QCOMPARE(TermPricing::price(seasonAndWinter(), rates, {P1}, first.addYears(1), last.addYears(1)).total,
                 pounds(1500));
        rates << TermRate{4, 1, {}, 1, Pricing::Basis::PerMetre, pounds(100), QDate(2020, 1, 1)};
        // £100 a metre: 10 m of berth, a 12.5 m boat, a 14 m minimum length.
        QCOMPARE(TermPricing::price(seasonAndWinter(), rates, {P1}, first, last).total, pounds(1000));
        QCOMPARE(TermPricing::price(seasonAndWinter(), rates, {P1}, first, last, 1250).total, pounds(1250));
        TermPricing::BerthTerms shortBerth = P1;
        shortBerth.minimumLengthCm = 1400;
        QCOMPARE(TermPricing::price(seasonAndWinter(), rates, {shortBerth}, first, last, 1250).total, pounds(1400));
        // One day at £100 a metre for a 10.01 m boat: rounded once, not per metre first.
        QCOMPARE(TermPricing::price(seasonAndWinter(), rates, {P1}, first, first, 1001).total,
                 Money::fromPence(sharePence(100100, 1, 183)));
        // A berth of another type with no rate of its own: every day unpriced.
        const auto none = TermPricing::price(seasonAndWinter(), rates, {{2, u"Q1"_s, 8, 1000, 0}}, first, last);
        QCOMPARE(none.total, Money());
        QCOMPARE(none.unpriced, QStringList{u"Q1"_s});
        QVERIFY(TermPricing::price(seasonAndWinter(), rates, {P1}, last, first).shares.isEmpty());
    }

    void stretches()
    {
        const QList<Term> terms = seasonAndWinter();
        using S = TermPricing::Stretch;
        QCOMPARE(*TermPricing::stretchOf(terms[1], QDate(2027, 2, 1)), S({QDate(2026, 10, 1), QDate(2027, 3, 31)}));
        QCOMPARE(*TermPricing::stretchOf(terms[1], QDate(2027, 10, 1)), S({QDate(2027, 10, 1), QDate(2028, 3, 31)}));
        QCOMPARE(*TermPricing::stretchOf(terms[0], QDate(2030, 6, 1)), S({QDate(2030, 4, 1), QDate(2030, 9, 30)}));
        QVERIFY(!TermPricing::stretchOf(terms[0], QDate(2030, 10, 1)));
        const Term once{3, u"2026"_s, QDate(2026, 1, 1), QDate(2026, 12, 31), false, 0};
        QVERIFY(!TermPricing::stretchOf(once, QDate(2027, 1, 1)));
        QCOMPARE(TermPricing::stretchOf(once, QDate(2026, 5, 5))->days(), 365);
    }

    // Terms and prices saved as one on both engines, and refused as typed.
    void storeAndRefusals()
    {
        QSqlDatabase db = m_install->db();
        TermTable table;
        table.terms = seasonAndWinter();
        table.terms[0].id = -1;
        table.terms[1].id = -2;
        table.rates = typeRates();
        table.rates[0].termId = -1;
        table.rates[1].termId = -2;
        QVERIFY(TermRates::save(db, {}, table));
        const auto loaded = TermRates::load(db);
        QVERIFY(loaded && loaded->terms.size() == 2 && loaded->rates.size() == 2);
        QCOMPARE(loaded->terms[1].firstNight, QDate(2026, 10, 1));
        QCOMPARE(loaded->rates[1].termId, loaded->terms[1].id);
        QCOMPARE(loaded->rates[1].price, pounds(600));
        // Saved over a table another desk changed meanwhile: nothing saved.
        QCOMPARE(TermRates::save(db, {}, table).kind(), FailureKind::Conflict);
        TermTable bad = *loaded;
        bad.terms[0].lastNight = QDate(2026, 3, 1);
        QCOMPARE(TermRates::save(db, *loaded, bad).kind(), FailureKind::Refused);
        bad = *loaded;
        bad.rates[0].price = Money() - pounds(1);
        QCOMPARE(TermRates::save(db, *loaded, bad).kind(), FailureKind::Refused);
        bad = *loaded;
        bad.rates[0].berthId = 4; // a type and a berth at once
        QCOMPARE(TermRates::save(db, *loaded, bad).kind(), FailureKind::Refused);
        bad = *loaded;
        bad.rates[0].termId = 99;
        QCOMPARE(TermRates::save(db, *loaded, bad).kind(), FailureKind::Refused);
        QCOMPARE(*TermRates::load(db), *loaded);
    }

    // Terms and prices typed into the dialog are saved as typed; a price that is no amount keeps the dialog open,
    // names its row and saves nothing.
    void dialogSavesWhatIsTyped()
    {
        TermsDialog dialog(m_install->services);
        QVERIFY(dialog.load());
        click(dialog, "cmdAddTerm");
        QTableWidget* terms = dialog.grdTerms;
        terms->item(0, 0)->setText(u"Season"_s);
        terms->setItem(0, 1, new QTableWidgetItem(DateTimes::dateText(QDate(2026, 4, 1))));
        terms->setItem(0, 2, new QTableWidgetItem(DateTimes::dateText(QDate(2026, 9, 30))));
        qobject_cast<QComboBox*>(terms->cellWidget(0, 3))->setCurrentIndex(1);
        click(dialog, "cmdAddPrice");
        QTableWidget* prices = dialog.grdPrices;
        prices->setItem(0, 0, new QTableWidgetItem(u"Season"_s));
        prices->setItem(0, 3, new QTableWidgetItem(u"12x0"_s));
        click(dialog, "cmdSave");
        VERIFY_HAS(said(), u"Row 1"_s);
        QVERIFY(TermRates::load(m_install->db())->terms.isEmpty());
        prices->item(0, 3)->setText(u"1,200.50"_s);
        click(dialog, "cmdSave");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto saved = TermRates::load(m_install->db());
        QVERIFY(saved && saved->terms.size() == 1 && saved->rates.size() == 1);
        QVERIFY(saved->terms[0].yearly);
        QCOMPARE(saved->terms[0].lastNight, QDate(2026, 9, 30));
        QCOMPARE(saved->rates[0].termId, saved->terms[0].id);
        QCOMPARE(saved->rates[0].price, Money::fromPence(120050));
        QCOMPARE(saved->rates[0].from, m_install->clock.current.date());
    }
};

ZEM_TEST(tst_TermPricing)
#include "tst_TermPricing.moc"
