#include "berths/BerthChangeSet.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The pending changes of the berth register and the wizard, without a window.
class tst_BerthChangeSet : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    int Count(const QString& sql) const { return m_install->Value(sql).toInt(); }
    static QStringList Texts(const BerthChangeSet& set, BerthListStyle style)
    {
        QStringList texts;
        for (const BerthRow& row : set.Rows(style))
            texts << BerthListText(row, style);
        return texts;
    }
    static BerthFields Named(const QString& name)
    {
        BerthFields fields;
        fields.name = name;
        fields.typeId = 1;
        return fields;
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        // b2 is booked (bookings 10 alone, 11 with c3), c3 is inactive and booked, A1 never booked.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name, TypeID, Active) VALUES "
                                               "(1, 'b2', 1, 1), (2, 'A1', 1, 1), (3, 'c3', 1, 0)")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                               "(10, 1, '2020-01-01 09:00:00', '2020-01-02 14:00:00'), "
                                               "(11, 1, '2020-01-01 09:00:00', '2020-01-02 14:00:00')")));
        QVERIFY(m_install->Exec(
            QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 3)")));
    }
    void cleanup() { m_install.reset(); }

    void listShowsStoredRowsWithPendingChanges()
    {
        BerthChangeSet set(m_install->Db());
        QVERIFY(set.Reload());
        // Past bookings count as booked; the sort ignores case.
        QCOMPARE(Texts(set, BerthListStyle::Register),
                 QStringList({u"A1 - Active "_s, u"b2 (booked) - Active "_s, u"c3 (booked) - Inactive"_s}));
        const int added = set.Add(Named(QStringLiteral("a0")));
        QVERIFY(added < 0);
        QVERIFY(set.Remove(2, QStringLiteral("A1 - Active ")));
        QCOMPARE(set.ToggleActive(3), std::optional<bool>(true));
        QCOMPARE(set.ToggleActive(added), std::optional<bool>(false));
        QCOMPARE(Texts(set, BerthListStyle::Register),
                 QStringList({u"a0 - Inactive"_s, u"b2 (booked) - Active "_s, u"c3 (booked) - Active "_s}));
        QCOMPARE(Texts(set, BerthListStyle::PlainName), QStringList({u"a0"_s, u"b2"_s, u"c3"_s}));
        QVERIFY(!set.ToggleActive(2)); // removed
        QVERIFY(!set.Remove(2, QString()));
        // Nothing is written while the set is pending.
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 3);
        QCOMPARE(Count(QStringLiteral("SELECT Active FROM Berth WHERE ID = 3")), 0);
    }

    void applyStoresEverythingInOrder()
    {
        BerthChangeSet set(m_install->Db());
        QVERIFY(set.Reload());
        // Changes to berths added in this visit reach the rows the database numbered.
        const int added = set.Add(Named(QStringLiteral("D4")));
        QVERIFY(set.ToggleActive(added));
        set.Add(Named(QStringLiteral("gone")));
        QVERIFY(set.Remove(added - 1, QStringLiteral("gone")));
        QVERIFY(set.ToggleActive(2));
        QVERIFY(set.ToggleActive(2));
        QString error;
        QVERIFY2(set.Apply(&error), qPrintable(error));
        QVERIFY(!set.HasChanges());
        QCOMPARE(Count(QStringLiteral("SELECT Active FROM Berth WHERE Name = 'D4'")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth WHERE Name = 'gone'")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT Active FROM Berth WHERE ID = 2")), 1);
        const QList<PendingEvent> expected = {{2, QStringLiteral("Name: 'D4'")},
                                              {3, QStringLiteral("Berth 'D4' inactivated")},
                                              {2, QStringLiteral("Name: 'gone'")},
                                              {4, QStringLiteral("Name: 'gone'")},
                                              {3, QStringLiteral("Berth 'A1' inactivated")},
                                              {3, QStringLiteral("Berth 'A1' activated")}};
        QCOMPARE(set.Events(), expected);
    }

    void failedApplyWritesNothing()
    {
        BerthChangeSet set(m_install->Db());
        QVERIFY(set.Reload());
        set.Add(Named(QStringLiteral("New")));
        QVERIFY(set.Remove(1, QStringLiteral("b2")));
        // The removal fails after the add has run: the add must not stay.
        QVERIFY(m_install->Exec(QStringLiteral("ALTER TABLE BookingBerth RENAME TO Elsewhere")));
        QString error;
        QVERIFY(!set.Apply(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(set.HasChanges());
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 3);
    }

    void readNewBerth_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("monthly");
        QTest::addColumn<bool>("ownerTicked");
        QTest::addColumn<bool>("typeChosen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString add = QStringLiteral("Add berth");
        const QString number = QStringLiteral("Please enter a valid number to continue");
        QTest::newRow("no name") << "  "
                                 << ""
                                 << "" << false << true
                                 << "No berth name has been entered. Please enter a berth name (or number) to "
                                    "continue."
                                 << add;
        QTest::newRow("owner ticked, none chosen") << "A"
                                                   << ""
                                                   << "" << true << true << "Please select owner from the list" << add;
        QTest::newRow("no type") << "A"
                                 << ""
                                 << "" << false << false << "Please select berth type from the list" << add;
        QTest::newRow("length not a number") << "A"
                                             << "10x"
                                             << "" << false << true << number << "Berth length";
        QTest::newRow("monthly blanks") << "A"
                                        << ""
                                        << "  " << false << true << number << "Monthly Hire Charge";
        QTest::newRow("accepted") << " A "
                                  << ""
                                  << "" << false << true << ""
                                  << "";
    }
    void readNewBerth()
    {
        QFETCH(QString, name);
        QFETCH(QString, length);
        QFETCH(QString, monthly);
        QFETCH(bool, ownerTicked);
        QFETCH(bool, typeChosen);
        QFETCH(QString, text);
        QFETCH(QString, title);
        BerthInput input;
        input.name = name;
        input.length = length;
        input.monthlyHireCharge = monthly;
        input.ownerTicked = ownerTicked;
        input.ownerId = ownerTicked ? std::nullopt : std::optional<int>(5); // an owner left in the cleared box
        input.dailyHireCharge = QStringLiteral("£12.50");
        input.typeId = typeChosen ? std::optional<int>(2) : std::nullopt;
        const auto result = ReadNewBerth(input, QLocale::c());
        if (const auto* refusal = std::get_if<BerthRefusal>(&result)) {
            QCOMPARE(refusal->text, text);
            QCOMPARE(refusal->title, title);
        } else {
            QVERIFY(text.isEmpty());
            const auto& fields = std::get<BerthFields>(result);
            QCOMPARE(fields.name, QStringLiteral("A"));
            QVERIFY(!fields.length && !fields.monthlyHireCharge); // empty boxes stay empty, not 0
            QCOMPARE(fields.dailyHireCharge.value_or(Money()).Units(), 125000);
            QVERIFY(!fields.ownerId);
        }
    }
};

ZEM_TEST(tst_BerthChangeSet)
#include "tst_BerthChangeSet.moc"
