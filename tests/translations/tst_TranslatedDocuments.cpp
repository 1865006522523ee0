#include "Clipping.h"
#include "bookings/BookingDocuments.h"
#include "common/TestSupport.h"
#include "contracts/ContractDocuments.h"
#include "core/DateTimes.h"
#include "core/Languages.h"
#include "outputs/CashUpReport.h"
#include "outputs/ReportLayouts.h"
#include "waiting/WaitingListRows.h"

namespace {

using BookingDocuments::Company;
using BookingDocuments::Customer;

Money pounds(double amount)
{
    return Money::fromPence(qRound64(amount * 100));
}

QDateTime at(int year, int month, int day, int hour = 0)
{
    return DateTimes::wallTime(QDate(year, month, day), QTime(hour, 0));
}

// An office and a guest with names and addresses as long as real ones run.
Company office(const QString& terms)
{
    return {u"Jachthafen Sonnenbucht am Kleinen Haff GmbH & Co. KG"_s,
            u"Uferpromenade 117–119"_s,
            u"Ortsteil Neu Warp"_s,
            u"Ueckermünde"_s,
            u"Mecklenburg-Vorpommern"_s,
            u"17373"_s,
            u"+49 39771 123 456 0"_s,
            u"DE 123 456 789"_s,
            u"Thank you for staying with us. Bank: Sparkasse Vorpommern, IBAN DE12 1505 0500 0123 4567 89, "
            u"BIC NOLADE21GRW; please quote your booking number."_s,
            terms};
}

Customer guest()
{
    Customer c;
    c.name = u"Marie-Christine Vandenberghe-Lefèvre"_s;
    c.houseName = u"Villa Zeezicht"_s;
    c.street = u"Boulevard de la Plaisance 1024"_s;
    c.area = u"Quartier du Port-Vieux"_s;
    c.town = u"Saint-Martin-de-Ré"_s;
    c.postcode = u"17410"_s;
    c.telNo = u"+33 5 46 09 12 34"_s;
    c.mobileNo = u"+33 6 12 34 56 78"_s;
    c.emailAddress = u"marie-christine.vandenberghe@plaisance-example.fr"_s;
    c.notes = u"Arrives by sea from La Rochelle; needs shore power of 32 A and a berth near the fuel dock."_s;
    c.membershipNo = u"YC-2026-00417"_s;
    c.clubMember = true;
    return c;
}

const QString Terms = u"Bookings are confirmed once the deposit is received. The balance falls due four weeks before "
                      u"arrival.\nCancellations up to 30 days before arrival are refunded less an administration fee "
                      u"of £25.00; later cancellations are not refunded."_s;

BookingDocuments::PrintData booking(const QString& code)
{
    BookingDocuments::PrintData d;
    d.company = office(Terms);
    d.customer = guest();
    d.id = 123456;
    d.fromDate = at(2026, 7, 3, 14);
    d.toDate = at(2026, 8, 21, 10);
    d.bookedBy = u"Anne-Sophie Brandenburg"_s;
    d.costOfHire = pounds(4645.50);
    d.otherCharges = pounds(1250.00);
    d.vat = pounds(1179.10);
    d.totalPayable = pounds(7074.60);
    d.amountPayed = pounds(3400.00);
    d.berthConfirmationNumber = u"104711"_s;
    d.guestConfirmationNumber = u"GC-2026-000815"_s;
    d.notes = u"Two dogs on board. Shore power and fresh water at the berth, key card for the sanitary block."_s;
    d.charges = {
        {u"Steg C 14"_s, u"High season July and August"_s, Pricing::Unit::Night, 42, pounds(98.50), pounds(4137.00)},
        {u"Steg C 14"_s, QString(), Pricing::Unit::WeekendNight, 3, pounds(56.50), pounds(169.50)},
        {u"Steg C 15"_s, u"Early season"_s, Pricing::Unit::Week, 2, pounds(169.50), pounds(339.00)}};
    d.boat = u"Seeschwalbe III, 12.45 m"_s;
    d.berths = {u"Steg C 14"_s, u"Steg C 15"_s};
    d.invoiceNumber = 2026004711;
    d.payments = {{1,
                   at(2026, 5, 12),
                   Ledger::Kind::Deposit,
                   1,
                   u"Bank transfer"_s,
                   pounds(1500.00),
                   u"SEPA transfer 2026-05-12 ref. 4711"_s,
                   u"Front desk"_s,
                   {}},
                  {2,
                   at(2026, 6, 19),
                   Ledger::Kind::Payment,
                   2,
                   u"Card"_s,
                   pounds(2050.00),
                   u"Visa ****1234"_s,
                   u"Front desk"_s,
                   {}},
                  {3,
                   at(2026, 7, 4),
                   Ledger::Kind::Refund,
                   2,
                   u"Card"_s,
                   pounds(150.00),
                   u"Visa ****1234"_s,
                   u"Front desk"_s,
                   {}}};
    d.due = {pounds(2122.38), QDate(2026, 5, 12), QDate(2026, 6, 5), pounds(3674.60),
             pounds(3674.60), QDate(2026, 6, 5),  pounds(3674.60)};
    d.creditNotes = {{1, 20260042, 123456, 2026004711, 3, pounds(150.00), at(2026, 7, 4, 11), u"Front desk"_s}};
    d.words = DocumentWords(code);
    return d;
}

ContractDocuments::Papers contract(const QString& code)
{
    ContractDocuments::Papers p;
    p.company = office(Terms + u"\nThe holder keeps the boat insured for third-party risks of at least £3,000,000."_s);
    p.holder = guest();
    ContractRecord& c = p.contract;
    c.id = 8123;
    c.berths = {u"Steg A 01"_s, u"Steg A 02"_s};
    c.boat = u"Nordwind, 14.20 m"_s;
    c.term = u"Annual berth 2027 (1 April to 31 March)"_s;
    c.firstDay = QDate(2027, 4, 1);
    c.lastDay = QDate(2028, 3, 31);
    c.hire = pounds(11250.00);
    c.tax = pounds(2137.50);
    c.total = pounds(13387.50);
    c.paid = pounds(6693.76);
    c.notes = u"Winter storage ashore from November to March included; mast stored in the rigging shed."_s;
    for (int i = 0; i < 4; ++i)
        c.plan << ContractPlan::Instalment{i + 1,
                                           c.firstDay.addMonths(3 * i),
                                           pounds(i == 0 ? 3346.89 : 3346.87),
                                           i < 2 ? std::optional<qint64>(2027000101 + i) : std::nullopt,
                                           {}};
    c.renewedFrom = 7001;
    p.date = QDate(2026, 12, 10);
    p.renews = c.renewedFrom;
    p.words = DocumentWords(code);
    return p;
}

// The office's printed lists, two lines each, in the interface's language.
QList<Doc::Document> lists()
{
    const QDateTime now = at(2026, 12, 10, 17);
    const QString customer = u"Marie-Christine Vandenberghe-Lefèvre, Villa Zeezicht"_s;
    BookingReports::BookingList table{u"From 01/07/2026 00:00 to 31/08/2026 23:59"_s, {}};
    for (int i = 0; i < 2; ++i)
        table.rows << BookingReports::ListRow{u"03/07/2026 14:00"_s,
                                              u"21/08/2026 10:00"_s,
                                              u"12/05/2026 09:30"_s,
                                              customer,
                                              u"Steg C 14, Steg C 15"_s,
                                              pounds(4645.50),
                                              pounds(1250.00),
                                              pounds(1179.10),
                                              pounds(7074.60)};
    QList<Doc::Document> documents;
    for (const BookingReports::List list : {BookingReports::List::AllBookings, BookingReports::List::TakenToday,
                                            BookingReports::List::CheckOutsToday, BookingReports::List::ArrivalsToday,
                                            BookingReports::List::DeparturesToday, BookingReports::List::PeriodSales})
        documents << ReportLayouts::layout(list, table);
    const BookingReports::BalanceDueRow balance{
        at(2026, 7, 3, 14), at(2026, 8, 21, 10), pounds(4645.50), pounds(1250.00),       pounds(1179.10),
        pounds(7074.60),    pounds(3400.00),     customer,        u"+33 6 12 34 56 78"_s};
    documents << ReportLayouts::outstanding({balance, balance}, now);
    const BookingDocuments::PrintData data = booking(u"en"_s);
    QList<Ledger::Owing> owing;
    for (const QDate& by : {QDate(2026, 12, 1), QDate(2026, 12, 14), QDate(2027, 2, 1)}) {
        PaymentTerms::Due due = data.due;
        due.nextDueBy = by;
        owing << Ledger::Owing{123456, u"104711"_s, customer, data.fromDate, data.totalPayable, data.amountPayed, due};
    }
    documents << ReportLayouts::paymentsDue(owing, now);
    const Ledger::Takings card{u"Card (Visa, Mastercard, Maestro)"_s,
                               148,
                               pounds(48250.00),
                               pounds(-1250.00),
                               pounds(-12.50),
                               pounds(-300.00)};
    documents << CashUpReport::document({QDate(2026, 12, 1), QDate(2026, 12, 10), {card, card}, {card}, card}, now);
    WaitingLine waiting{{}, 1, customer, u"Seeschwalbe III, 12.45 m"_s, u"Finger pontoon, shore power"_s};
    waiting.entry.from = QDate(2027, 4, 1);
    waiting.entry.to = QDate(2027, 10, 31);
    waiting.entry.minLengthCm = 1245;
    waiting.entry.notes = u"Prefers a berth on the outer pontoon, away from the fuel dock."_s;
    waiting.entry.added = at(2026, 11, 2, 10);
    documents << WaitingListRows::document({waiting, waiting}, now);
    return documents;
}

} // namespace

// Every printed document to a customer, in each language we speak, with names and amounts of a real length: no word
// wider than the box it stands in (nor, so, past the page's edge), no placeholder left unfilled. English runs too, so
// a fault the translation did not make is told apart (and is a fault all the same).
class tst_TranslatedDocuments : public InstallTest
{
    Q_OBJECT
    using CheckRow = std::tuple<QString, double, QString, QString>;

    void tearDown() override { Languages::installInterface(u"en"_s); }

public:
    tst_TranslatedDocuments() : InstallTest(false) {}

private slots:
    // The check itself finds what it is for: a word wider than its column, a placeholder left; wrapped words pass.
    void theCheckFindsWhatDoesNotFit_data()
    {
        // the label, its column in points, the value, and what the fault names (empty: none)
        const DataRows<CheckRow> row;
        row("words that wrap", {u"Number of the berth's confirmation:"_s, 80, u"BC-2026-004711"_s, QString()});
        row("a word wider than its column",
            {u"Liegeplatzbestätigungsnummer:"_s, 80, u"4711"_s, u"label \"Liegeplatzbestätigungsnummer:\" needs"_s});
        row("a value too long for the page", {u"Reference:"_s, 100, QString(120, u'x'), u"value \"xxxxxxxx"_s});
        row("a placeholder left", {u"Booking %1:"_s, 140, u"4711"_s, u"placeholder left in \"Booking %1: 4711\""_s});
    }
    void theCheckFindsWhatDoesNotFit()
    {
        const auto& [label, column, value, fault] = fetchRow<CheckRow>();
        Doc::Document doc;
        doc.title = u"Check"_s;
        doc.body << Doc::Record{Doc::field(label, value, column)};
        const QStringList faults = Clipping::clippedTexts(doc);
        if (fault.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        else
            QVERIFY2(faults.size() == 1 && faults.first().startsWith(u"Check: "_s + fault),
                     qPrintable(faults.join(u'\n')));
    }

    void everyDocumentFits_data()
    {
        QTest::addColumn<QString>("code");
        for (const Languages::Language& language : Languages::all())
            QTest::newRow(qPrintable(language.name)) << language.code;
    }
    void everyDocumentFits()
    {
        QFETCH(QString, code);
        QVERIFY2(Clipping::placeTranslation(code), qPrintable(code));
        const BookingDocuments::PrintData data = booking(code);
        // The words are the language's, not English fallen back to for a file not found.
        QCOMPARE(data.words.translate("BookingDocuments", "INVOICE") == u"INVOICE"_s, code == u"en"_s);
        const ContractDocuments::Papers papers = contract(code);
        const QList<Doc::Document> documents{BookingDocuments::confirmation(data),
                                             BookingDocuments::receipt(data),
                                             BookingDocuments::creditNote(data, data.creditNotes.first()),
                                             BookingDocuments::reservationForm(data),
                                             ContractDocuments::contract(papers),
                                             ContractDocuments::renewalLetter(papers),
                                             ContractDocuments::instalmentInvoice(papers, papers.contract.plan.at(1))};
        QStringList faults;
        for (const Doc::Document& document : documents)
            faults << Clipping::clippedTexts(document);
        // Every fault on its own line: a failure message is cut short.
        for (const QString& fault : std::as_const(faults))
            qInfo().noquote() << code << fault;
        QVERIFY2(faults.isEmpty(),
                 qPrintable(u"%1: %2 texts do not fit:\n"_s.arg(code).arg(faults.size()) + faults.join(u'\n')));
    }

    // The office's own lists, printed in the interface's language, as the start-up puts it in place.
    void everyListFits_data() { everyDocumentFits_data(); }
    void everyListFits()
    {
        QFETCH(QString, code);
        QVERIFY2(Clipping::placeTranslation(code), qPrintable(code));
        const QStringList problems = Languages::installInterface(code);
        Q_UNUSED(problems) // Qt's own file may be missing: none of its texts is printed.
        QCOMPARE(Languages::interfaceLanguage(), code);
        QStringList faults;
        for (const Doc::Document& document : lists())
            faults << Clipping::clippedTexts(document);
        for (const QString& fault : std::as_const(faults))
            qInfo().noquote() << code << fault;
        QVERIFY2(faults.isEmpty(),
                 qPrintable(u"%1: %2 texts do not fit:\n"_s.arg(code).arg(faults.size()) + faults.join(u'\n')));
    }
};

ZEM_TEST_SQLITE_ONLY(tst_TranslatedDocuments)
#include "tst_TranslatedDocuments.moc"
