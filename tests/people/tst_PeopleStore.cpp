#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "people/PeopleListModel.h"
#include "people/PeopleRecords.h"

#include <QTest>

// Saving and reading customers and owners, and the list model, without a window.
class tst_PeopleStore : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    static CustomerRecord AllFields(const QString& t, bool club)
    {
        return {t + u'1', t + u'2', t + u'3', t + u'4', t + u'5',
                t + u'6', t + u'7', t + u'8', t + u'9', t + QStringLiteral("\nnotes"),
                club,     t + u'0'};
    }
    static QStringList Texts(const CustomerRecord& r)
    {
        return {r.name,  r.houseName, r.street,       r.area,  r.town,         r.postCode,
                r.telNo, r.mobileNo,  r.emailAddress, r.notes, r.membershipNo, QString::number(r.clubMember)};
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void textsAreKeptExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << QStringLiteral("O'Neill");
        QTest::newRow("quotes") << QStringLiteral("\"The Anchor\" ''x''");
        QTest::newRow("wildcards") << QStringLiteral("100% _under_ \\back");
        QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree");
        QTest::newRow("non-Latin") << QStringLiteral("Łukasz Żółć Ελένη 東京");
        QTest::newRow("statement text") << QStringLiteral("x'); DELETE FROM Customer; --");
    }
    void textsAreKeptExactly()
    {
        QFETCH(QString, text);
        const QSqlDatabase db = m_install->Db();
        const auto id = CustomerStore::Add(db, AllFields(text, true));
        QVERIFY(id);
        QCOMPARE(*id, m_install->Value(QStringLiteral("SELECT MAX(ID) FROM Customer")).toInt());
        QCOMPARE(Texts(CustomerStore::Load(db, *id).value()), Texts(AllFields(text, true)));
        QVERIFY(CustomerStore::Modify(db, *id, AllFields(text + text, false)));
        QCOMPARE(Texts(CustomerStore::Load(db, *id).value()), Texts(AllFields(text + text, false)));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer")).toInt(), 1);

        const OwnerRecord owner{text, text, {}, {}, text, {}, {}, {}, text};
        const auto ownerId = OwnerStore::Add(db, owner);
        QVERIFY(ownerId);
        const auto loaded = OwnerStore::Load(db, *ownerId).value();
        QCOMPARE(QStringList({loaded.name, loaded.houseName, loaded.street, loaded.town, loaded.notes}),
                 QStringList({text, text, QString(), text, text}));
    }

    void failuresChangeNothing()
    {
        QString error;
        QVERIFY(!CustomerStore::Modify(m_install->Db(), 99, AllFields(QStringLiteral("x"), false), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!OwnerStore::Load(m_install->Db(), 99));
        QVERIFY(m_install->Exec(QStringLiteral("PRAGMA query_only = 1")));
        QVERIFY(!OwnerStore::Add(m_install->Db(), OwnerRecord{QStringLiteral("x"), {}, {}, {}, {}, {}, {}, {}, {}}));
        QVERIFY(m_install->Exec(QStringLiteral("PRAGMA query_only = 0")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Owner")).toInt(), 0);
    }

    void listModelReadsInBlocks()
    {
        QVERIFY(m_install->Exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                           "INSERT INTO Customer (Name, ClubMember) SELECT 'C' || i, i % 2 FROM n")));
        PeopleListModel model(PeopleLists::Customers());
        QVERIFY(model.Requery(m_install->Db()));
        QVERIFY(model.rowCount() < 1000);
        QVERIFY(model.FetchUpTo(999));
        QCOMPARE(model.data(model.index(999, 1)).toString(), QStringLiteral("C1000"));
        QCOMPARE(model.data(model.index(998, 11)).toString(), QStringLiteral("Yes"));
        QCOMPARE(model.IdAt(998), 999);
        QVERIFY(!model.FetchUpTo(1000));
    }
};

ZEM_TEST(tst_PeopleStore)
#include "tst_PeopleStore.moc"
