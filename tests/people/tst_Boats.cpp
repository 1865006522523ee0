#include "bookings/DependentBookings.h"
#include "common/TestSupport.h"
#include "core/Lengths.h"
#include "people/BoatDialog.h"
#include "people/Boats.h"
#include "people/CustomerDialog.h"
#include "people/PeopleRecords.h"

#include <limits>

Q_DECLARE_METATYPE(BoatRecord)

// Boats and vehicles on the customer: whether one fits a berth, the sizes a save takes, and what another desk did
// meanwhile.
class tst_Boats : public InstallTest
{
    Q_OBJECT

    void seed() override { QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bob')"_s)); }
    static BoatRecord boat(const QString& name, std::optional<int> lengthCm = 1200, std::optional<int> beamCm = 380,
                           std::optional<int> draftCm = {})
    {
        // Ann's, insured to 31 March 2027.
        return {0, 1, name, BoatKind::SailMonohull, lengthCm, beamCm, draftCm, {}, {}, {}, {}, QDate(2027, 3, 31), {}};
    }

    using FitRow = std::tuple<BoatRecord, std::optional<int>, bool, QString>;

private slots:
    void fit_data()
    {
        const DataRows<FitRow> row;
        const BoatRecord yacht = boat(u"Yacht"_s, 1400, 380, 210);
        BoatRecord cat = boat(u"Cat"_s, 1000, 600);
        cat.kind = BoatKind::SailMultihull;
        // The berth: the length given, 4 m wide, 2.1 m of water.
        row("every measure within", {boat(u"Fits"_s), 1300, true, u""_s});
        row("exactly equal fits", {yacht, 1400, true, u""_s});
        row("too long", {yacht, 900, true, u"length"_s});
        row("too long, wide and deep", {boat(u"Big"_s, 1500, 401, 211), 1400, true, u"length beam draft"_s});
        row("a size not recorded on the boat passes",
            {boat(u"Dinghy"_s, std::nullopt, std::nullopt), 900, true, u""_s});
        row("a size not recorded on the berth passes", {yacht, std::nullopt, true, u""_s});
        row("a multihull where none are taken", {cat, 1200, false, u"beam multihull"_s});
        row("a monohull where no multihulls are taken", {boat(u"Mono"_s), 1200, false, u""_s});
    }
    void fit()
    {
        const auto& [boat, berthLength, multihullsTaken, misfits] = fetchRow<FitRow>();
        const BerthFit::BerthSize berth{berthLength, 400, 210, multihullsTaken};
        QStringList names;
        for (const BerthFit::Measure measure : BerthFit::misfits(boat, berth))
            names << BerthFit::measureName(measure);
        QCOMPARE(names.join(u' '), misfits);
        QCOMPARE(BerthFit::room(boat, berth),
                 boat.lengthCm && berthLength ? *berthLength - *boat.lengthCm : std::numeric_limits<int>::max());
    }

    void refusedSizes_data()
    {
        const DataRows<BoatRecord> row;
        row("no name", boat(u"  "_s));
        row("a length of 0", boat(u"Zero"_s, 0));
        row("a negative draft", boat(u"Negative"_s, 1200, 380, -5));
        row("over 200 m", boat(u"Huge"_s, Boats::MaximumCm + 1));
    }
    void refusedSizes()
    {
        QCOMPARE(Boats::add(m_install->db(), fetchRow<BoatRecord>()).kind(), FailureKind::Refused);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Boat"_s), 0);
        QVERIFY(Boats::add(m_install->db(), boat(u"200 m exactly"_s, Boats::MaximumCm)));
    }

    void savedReadBackAndChangedOnlyAsLoaded()
    {
        const auto id = Boats::add(m_install->db(), boat(u"Swallow"_s));
        QVERIFY2(id, qPrintable(id.error()));
        QVERIFY(Boats::add(m_install->db(), boat(u"Amazon"_s)));
        const auto boats = Boats::ofCustomer(m_install->db(), 1);
        QVERIFY(boats);
        QCOMPARE(boats->size(), 2);
        QCOMPARE(boats->at(0).name, u"Amazon"_s); // by name
        BoatRecord loaded = boats->at(1);
        BoatRecord expected = boat(u"Swallow"_s);
        expected.id = *id;
        QCOMPARE(loaded, expected);

        // Another desk changes the draft: this desk's change of the notes is saved beside it, unasked.
        BoatRecord theirs = loaded;
        theirs.draftCm = 150;
        QVERIFY(Boats::modify(m_install->db(), loaded, theirs));
        BoatRecord mine = loaded;
        mine.notes = u"Blue hull"_s;
        QVERIFY(Boats::modify(m_install->db(), loaded, mine));
        const QString now = u"SELECT DraftCm || '|' || Notes FROM Boat WHERE ID = ?"_s;
        QCOMPARE(m_install->text(now, {*id}), u"150|Blue hull"_s);
        // The dialog, still on what it loaded, changes the draft too: asked about the draft alone, and Yes (the
        // default) keeps theirs.
        BoatDialog dialog(m_install->services, loaded);
        dialog.txtDraft->setText(u"2.00"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(dialog, "cmdOK");
        VERIFY_HAS(said(),
                   u"Draft: theirs “"_s + Lengths::text(150) + u"”, yours “"_s + Lengths::text(200) + u"”\n\n"_s);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_install->text(now, {*id}), u"150|Blue hull"_s);
        theirs = Boats::load(m_install->db(), *id).value();
        QCOMPARE(Boats::remove(m_install->db(), loaded).kind(), FailureKind::Conflict);
        QVERIFY(Boats::remove(m_install->db(), theirs));
        QCOMPARE(Boats::modify(m_install->db(), theirs, mine).kind(), FailureKind::Conflict);
        QCOMPARE(Boats::ofCustomer(m_install->db(), 1)->size(), 1);
        // Ann's boats go with her; Bob's stay.
        BoatRecord bobs = boat(u"Bob's"_s);
        bobs.customerId = 2;
        QVERIFY(Boats::add(m_install->db(), bobs));
        const auto question = CustomerStore::askRemove(m_install->db(), 1, DependentBookings::ofCustomer());
        QVERIFY(question);
        QVERIFY(CustomerStore::remove(m_install->db(), 1, question->dependents, DependentBookings::ofCustomer()));
        QCOMPARE(m_install->joined(u"SELECT Name FROM Boat"_s), u"Bob's"_s);
    }

    // The customer dialog lists the boats of a customer being changed and adds, refuses and removes them at once;
    // a customer being added has none yet.
    void customerDialogKeepsTheBoats()
    {
        CustomerDialog dialog(m_install->services);
        dialog.prepare(RecordMode::Edit, 1);
        QVERIFY(showActive(dialog));
        onNextModal([](QDialog* boat) {
            type(*boat, "txtBoatName", u"Swallow"_s);
            type(*boat, "txtLength", u"0"_s);
            click(*boat, "cmdOK"); // refused: stays open
            type(*boat, "txtLength", u"12.5"_s);
            type(*boat, "txtInsuranceExpiry", u"31/03/2027"_s);
            click(*boat, "cmdOK");
        });
        click(dialog, "cmdAddBoat");
        QCOMPARE(said(), u"Add Boat or Vehicle: Type a size in metres, more than 0 and at most 200."_s);
        QCOMPARE(dialog.lstBoats->item(0)->text(), u"Swallow (Sail monohull, 12.50 m)"_s);
        const auto saved = Boats::ofCustomer(m_install->db(), 1);
        QCOMPARE(saved->at(0).lengthCm, std::optional(1250));
        QCOMPARE(saved->at(0).insuranceExpiry, QDate(2027, 3, 31));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(dialog, "cmdRemoveBoat");
        QCOMPARE(dialog.lstBoats->count(), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Boat"_s), 0);

        dialog.prepare(RecordMode::Add, 0);
        QVERIFY(!control<QPushButton>(dialog, "cmdAddBoat")->isEnabled());
    }
};

ZEM_TEST(tst_Boats)
#include "tst_Boats.moc"
