#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "people/PeopleListModel.h"
#include "people/PeopleRecords.h"

#include <QAbstractItemModelTester>
#include <QTest>

// Saving and reading customers and owners, the event details, and the list model, without a window.
class tst_PeopleStore : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    static CustomerRecord AllFields(const QString& text, bool club)
    {
        return {text + u'1', text + u'2', text + u'3', text + u'4', text + u'5',
                text + u'6', text + u'7', text + u'8', text + u'9', text + QStringLiteral("\nnotes"),
                club,        text + u'0'};
    }
    static void CompareCustomers(const CustomerRecord& a, const CustomerRecord& b)
    {
        const QStringList left = {a.name,  a.houseName, a.street,       a.area,  a.town,        a.postCode,
                                  a.telNo, a.mobileNo,  a.emailAddress, a.notes, a.membershipNo};
        const QStringList right = {b.name,  b.houseName, b.street,       b.area,  b.town,        b.postCode,
                                   b.telNo, b.mobileNo,  b.emailAddress, b.notes, b.membershipNo};
        QCOMPARE(left, right);
        QCOMPARE(a.clubMember, b.clubMember);
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void customerTextsAreKeptExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << QStringLiteral("O'Neill");
        QTest::newRow("quotes") << QStringLiteral("\"The Anchor\" ''x''");
        QTest::newRow("wildcards") << QStringLiteral("100% _under_ \\back");
        QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree");
        QTest::newRow("non-Latin") << QStringLiteral("Łukasz Żółć Ελένη 東京");
        QTest::newRow("statement text") << QStringLiteral("x'); DELETE FROM Customer; --");
    }
    void customerTextsAreKeptExactly()
    {
        QFETCH(QString, text);
        const QSqlDatabase db = m_install->Db();
        const auto id = CustomerStore::Add(db, AllFields(text, true));
        QVERIFY(id);
        QCOMPARE(*id, m_install->Value(QStringLiteral("SELECT MAX(ID) FROM Customer")).toInt());
        QCOMPARE(m_install->Value(QStringLiteral("SELECT Name FROM Customer WHERE ID = ?"), {*id}).toString(),
                 text + u'1');
        auto loaded = CustomerStore::Load(db, *id);
        QVERIFY(loaded);
        CompareCustomers(*loaded, AllFields(text, true));

        QVERIFY(CustomerStore::Modify(db, *id, AllFields(text + text, false)));
        loaded = CustomerStore::Load(db, *id);
        QVERIFY(loaded);
        CompareCustomers(*loaded, AllFields(text + text, false));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer")).toInt(), 1);
    }

    void nullColumnsLoadEmptyAndSaveEmptyTexts()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name, ClubMember) VALUES (7, 'Ng', -1)")));
        const auto loaded = CustomerStore::Load(m_install->Db(), 7);
        QVERIFY(loaded);
        QVERIFY(loaded->clubMember); // an older file's True
        QVERIFY(loaded->emailAddress.isEmpty());
        QVERIFY(CustomerStore::Modify(m_install->Db(), 7, *loaded));
        QCOMPARE(m_install
                     ->Value(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE ID = 7 AND HouseName = '' AND "
                                            "Notes = '' AND MembershipNo = '' AND EmailAddress = '' AND "
                                            "ClubMember = 1"))
                     .toInt(),
                 1);
        QVERIFY(OwnerStore::Add(m_install->Db(), OwnerRecord{QStringLiteral("Owner"), {}, {}, {}, {}, {}, {}, {}, {}}));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Owner WHERE EmailAddress = '' AND Notes = ''"))
                     .toInt(),
                 1);
    }

    void failuresChangeNothing()
    {
        QString error;
        QVERIFY(!CustomerStore::Modify(m_install->Db(), 99, AllFields(QStringLiteral("x"), false), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!CustomerStore::Load(m_install->Db(), 99));
        QVERIFY(m_install->Exec(QStringLiteral("PRAGMA query_only = 1")));
        QVERIFY(!CustomerStore::Add(m_install->Db(), AllFields(QStringLiteral("x"), false)));
        QVERIFY(!OwnerStore::Add(m_install->Db(), OwnerRecord{QStringLiteral("x"), {}, {}, {}, {}, {}, {}, {}, {}}));
        QVERIFY(m_install->Exec(QStringLiteral("PRAGMA query_only = 0")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer")).toInt(), 0);
    }

    void ownerRoundTrip()
    {
        const OwnerRecord owner{QStringLiteral("D'Arcy"),        QStringLiteral("Rose Cottage"),
                                QStringLiteral("Quay St"),       QString(),
                                QStringLiteral("Poole"),         QStringLiteral("BH15 1AA"),
                                QStringLiteral("07700 900123"),  QStringLiteral("d@example.org"),
                                QStringLiteral("line 1\nline 2")};
        const auto id = OwnerStore::Add(m_install->Db(), owner);
        QVERIFY(id);
        OwnerRecord changed = owner;
        changed.town = QStringLiteral("Ελλάδα");
        QVERIFY(OwnerStore::Modify(m_install->Db(), *id, changed));
        const auto loaded = OwnerStore::Load(m_install->Db(), *id);
        QVERIFY(loaded);
        QCOMPARE(QStringList({loaded->name, loaded->houseName, loaded->street, loaded->area, loaded->town,
                              loaded->postCode, loaded->mobileNo, loaded->emailAddress, loaded->notes}),
                 QStringList({changed.name, changed.houseName, changed.street, QString(), changed.town,
                              changed.postCode, changed.mobileNo, changed.emailAddress, changed.notes}));
    }

    void eventDetails()
    {
        QCOMPARE(PeopleEvents::SavedDetails(QStringLiteral("O'Neill"), QStringLiteral("Rose Cottage")),
                 QStringLiteral("Name: 'O'Neill' HouseName: 'Rose Cottage'"));
        QCOMPARE(PeopleEvents::SavedDetails(QStringLiteral("Ng"), QString()),
                 QStringLiteral("Name: 'Ng' HouseName: ''"));
        QCOMPARE(PeopleEvents::DeletedDetails(QStringLiteral("Ng"), QVariant()),
                 QStringLiteral("Name: Ng, HouseName: "));
    }

    void listModelShowsTheGridsColumns()
    {
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Customer (ID, Name, ClubMember) VALUES (1, 'A', 1), (2, 'B', 0), (3, NULL, -1)")));
        PeopleListModel model(PeopleLists::Customers());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(model.Requery(m_install->Db()));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 13);
        QCOMPARE(model.headerData(7, Qt::Horizontal).toString(), QStringLiteral("Tel No"));
        QCOMPARE(model.headerData(9, Qt::Horizontal).toString(), QStringLiteral("Email"));
        QCOMPARE(model.headerData(12, Qt::Horizontal).toString(), QStringLiteral("Membership No"));
        QCOMPARE(model.data(model.index(0, 11)).toString(), QStringLiteral("Yes"));
        QCOMPARE(model.data(model.index(1, 11)).toString(), QStringLiteral("No"));
        QCOMPARE(model.data(model.index(2, 11)).toString(), QStringLiteral("Yes"));
        QCOMPARE(model.IdAt(1), 2);
        QVERIFY(model.ValueAt(2, 1).isNull());

        PeopleListModel owners(PeopleLists::Owners());
        QVERIFY(owners.Requery(m_install->Db()));
        QCOMPARE(owners.columnCount(), 10);
        QCOMPARE(owners.headerData(8, Qt::Horizontal).toString(), QStringLiteral("Email Address"));
    }

    void listModelReadsInBlocks()
    {
        QVERIFY(m_install->Exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                           "INSERT INTO Customer (Name) SELECT 'C' || i FROM n")));
        PeopleListModel model(PeopleLists::Customers());
        QVERIFY(model.Requery(m_install->Db()));
        QVERIFY(model.rowCount() < 1000);
        QVERIFY(model.canFetchMore());
        QVERIFY(model.FetchUpTo(999));
        QCOMPARE(model.data(model.index(999, 1)).toString(), QStringLiteral("C1000"));
        QVERIFY(!model.FetchUpTo(1000));
    }
};

ZEM_TEST(tst_PeopleStore)
#include "tst_PeopleStore.moc"
