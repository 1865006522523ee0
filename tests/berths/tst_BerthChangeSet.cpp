#include "berths/BerthChangeSet.h"
#include "common/TestSupport.h"
#include "core/ui/InputChecks.h"

Q_DECLARE_METATYPE(BerthInput)

// What the berth register and the wizard accept and keep pending, without their windows: the refusal of a number
// or money box, the new-berth rules and the pending change set. (Which texts are valid: tst_Values.)
class tst_BerthChangeSet : public InstallTest
{
    Q_OBJECT

    static QStringList texts(const BerthChangeSet& set, BerthListStyle style)
    {
        QStringList texts;
        for (const BerthRow& row : set.rows(style))
            texts << berthListText(row, style);
        return texts;
    }
    // A new berth the rules accept: blanks around the name, a type, a draft, a daily charge, and an owner left in the
    // box whose tick was cleared.
    static BerthInput acceptable()
    {
        return {u" A "_s, {}, {}, u"2.4"_s, false, 2, false, 5, false, {}, u"£12.50"_s, {}, {}};
    }
    static BerthFields named(const QString& name)
    {
        BerthFields fields;
        fields.name = name;
        fields.typeId = 1;
        return fields;
    }

    void seed() override
    {
        // b2 is booked (bookings 10 alone, 11 with c3), c3 is inactive and booked, A1 never booked.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active) VALUES "
                     u"(1, 'b2', 1, 1), (2, 'A1', 1, 1), (3, 'c3', 1, 0)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(10, 1, '2020-01-01 09:00:00', '2020-01-02 14:00:00'), "
                     u"(11, 1, '2020-01-02 14:00:00', '2020-01-03 14:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 3)"_s));
    }

    using NewBerthRow = std::tuple<BerthInput, QString, QString>;

private slots:
    void listShowsStoredRowsWithPendingChanges()
    {
        BerthChangeSet set(m_install->db());
        QVERIFY(set.reload());
        // Past bookings count as booked; the sort ignores case.
        QCOMPARE(texts(set, BerthListStyle::Register),
                 QStringList({u"A1 - Active "_s, u"b2 (booked) - Active "_s, u"c3 (booked) - Inactive"_s}));
        const int added = set.add(named(u"a0"_s));
        QVERIFY(added < 0 && set.remove(2, u"A1 - Active "_s, 0));
        QCOMPARE(set.toggleActive(3), std::optional<bool>(true));
        QCOMPARE(set.toggleActive(added), std::optional<bool>(false));
        QCOMPARE(texts(set, BerthListStyle::Register),
                 QStringList({u"a0 - Inactive"_s, u"b2 (booked) - Active "_s, u"c3 (booked) - Active "_s}));
        QCOMPARE(texts(set, BerthListStyle::PlainName), QStringList({u"a0"_s, u"b2"_s, u"c3"_s}));
        QVERIFY(!set.toggleActive(2)); // removed
        QVERIFY(!set.remove(2, QString(), 0));
        // Names sort naturally: a2 before A10.
        set.add(named(u"A10"_s));
        set.add(named(u"a2"_s));
        QCOMPARE(texts(set, BerthListStyle::PlainName), (QStringList{u"a0"_s, u"a2"_s, u"A10"_s, u"b2"_s, u"c3"_s}));
        // Nothing is written while the set is pending.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 3);
        QCOMPARE(m_install->scalarInt(u"SELECT Active FROM Berth WHERE ID = 3"_s), 0);
    }

    void applyStoresEverythingInOrder()
    {
        BerthChangeSet set(m_install->db());
        QVERIFY(set.reload());
        // Changes to berths added in this visit reach the rows the database numbered.
        BerthFields d4 = named(u"D4"_s);
        d4.maxDraft = 2.4;
        d4.takesMultihulls = false;
        const int added = set.add(d4);
        QVERIFY(set.toggleActive(added));
        set.add(named(u"gone"_s));
        QVERIFY(set.remove(added - 1, u"gone"_s, 0) && set.toggleActive(2));
        QVERIFY(set.toggleActive(2));
        const Status applied = set.apply();
        QVERIFY2(applied, qPrintable(applied.error()));
        QVERIFY(!set.hasChanges());
        QCOMPARE(m_install->joined(u"SELECT Name || ':' || CAST(Active AS TEXT) FROM Berth ORDER BY ID"_s),
                 u"b2:1,A1:1,c3:0,D4:0"_s);
        QCOMPARE(m_install->text(u"SELECT CAST(MaxDraft * 10 AS INTEGER) || '/' || TakesMultihulls FROM Berth "
                                 u"WHERE Name = 'D4'"_s),
                 u"24/0"_s);
        const QList<PendingEvent> expected = {
            {2, u"Name: 'D4'"_s},   {3, u"Berth 'D4' inactivated"_s}, {2, u"Name: 'gone'"_s},
            {4, u"Name: 'gone'"_s}, {3, u"Berth 'A1' inactivated"_s}, {3, u"Berth 'A1' activated"_s}};
        QCOMPARE(set.events(), expected);
    }

    void failedApplyWritesNothing()
    {
        BerthChangeSet set(m_install->db());
        QVERIFY(set.reload());
        set.add(named(u"New"_s));
        QVERIFY(set.remove(1, u"b2"_s, 2));
        // The removal fails after the add has run: the add must not stay.
        QVERIFY(exec(u"ALTER TABLE BookingBerth RENAME TO Elsewhere"_s));
        const Status applied = set.apply();
        QCOMPARE(applied.kind(), FailureKind::Database);
        QVERIFY(!applied.error().isEmpty() && set.hasChanges());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 3);
    }

    void switchedBerthDeletedAtAnotherDesk()
    {
        BerthChangeSet set(m_install->db());
        QVERIFY(set.reload() && set.toggleActive(2));
        set.add(named(u"D4"_s));
        QVERIFY(atAnotherDesk(*m_install, {u"DELETE FROM Berth WHERE ID = 2"_s}));
        const Status applied = set.apply();
        QCOMPARE(applied.kind(), FailureKind::Conflict);
        QVERIFY(applied.error().startsWith(u"Berth 'A1' has been deleted at another desk meanwhile."_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 2);
        QVERIFY(set.apply());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 3);
        QCOMPARE(set.events().size(), 1);
    }

    void readNewBerth_data()
    {
        // title: "" when accepted
        const DataRows<NewBerthRow> row;
        // Each refused input is the accepted one with one fault.
        const auto with = [](const std::function<void(BerthInput&)>& fault) {
            BerthInput input = acceptable();
            fault(input);
            return input;
        };
        const QString add = u"Add berth"_s;
        const QString number = u"Please enter a valid number to continue"_s;
        row("no name", {with([](BerthInput& b) { b.name = u"  "_s; }), add,
                        u"No berth name has been entered. Please enter a berth name (or number) to "
                        u"continue."_s});
        QTest::newRow("owner ticked, none chosen") << NewBerthRow(with([](BerthInput& b) {
                                                                      b.ownerTicked = true;
                                                                      b.ownerId.reset();
                                                                  }),
                                                                  add, u"Please select owner from the list"_s);
        row("no type",
            {with([](BerthInput& b) { b.typeId.reset(); }), add, u"Please select berth type from the list"_s});
        row("length not a number", {with([](BerthInput& b) { b.length = u"10x"_s; }), u"Berth length"_s, number});
        row("draft not a number", {with([](BerthInput& b) { b.maxDraft = u"2.4 m"_s; }), u"Maximum draft"_s, number});
        row("monthly blanks",
            {with([](BerthInput& b) { b.monthlyHireCharge = u"  "_s; }), u"Monthly Hire Charge"_s, number});
        row("accepted", {acceptable(), QString(), QString()});
    }
    void readNewBerth()
    {
        const auto& [input, title, text] = fetchRow<NewBerthRow>();
        const auto result = ::readNewBerth(input, QLocale::c());
        if (const auto* refusal = std::get_if<BerthRefusal>(&result)) {
            QCOMPARE(refusal->text, text);
            QCOMPARE(refusal->title, title);
        } else {
            QVERIFY(text.isEmpty());
            const auto& fields = std::get<BerthFields>(result);
            QCOMPARE(fields.name, u"A"_s);
            QVERIFY(!fields.length && !fields.monthlyHireCharge); // empty boxes stay empty, not 0
            QCOMPARE(fields.dailyHireCharge.value_or(Money()).units(), 125000);
            QVERIFY(!fields.ownerId);
            QCOMPARE(fields.maxDraft.value_or(0), 2.4);
            QVERIFY(!fields.takesMultihulls);
        }
    }

    void refusedBoxKeepsFocusAndText()
    {
        QWidget window;
        auto* box = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        auto* cancel = new QPushButton(u"Cancel"_s, &window);
        InputChecks::watch(box, InputChecks::Kind::Money, u"Cost of Hire"_s, m_install->messages);
        InputChecks::skipChecks(cancel);
        QVERIFY(showActive(window));

        box->setFocus();
        QTest::keyClicks(box, u"abc"_s);
        other->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(said(), u"Cost of Hire: Please enter a valid number to continue"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Exclamation);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->text(), u"abc"_s);

        // A button that checks right after the refusal does not repeat it, but still refuses.
        QVERIFY(!InputChecks::checkAll({box}));
        QCOMPARE(m_install->messages.calls.size(), 1);
        // Leaving for Cancel is not checked.
        cancel->setFocus(Qt::TabFocusReason);
        QTest::qWait(20);
        QCOMPARE(m_install->messages.calls.size(), 1);
        // A corrected box passes.
        box->setText(u"£5"_s);
        QVERIFY(InputChecks::checkAll({box}));
    }
};

ZEM_TEST(tst_BerthChangeSet)
#include "tst_BerthChangeSet.moc"
