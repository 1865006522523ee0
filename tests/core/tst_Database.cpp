#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Database.h"
#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

class tst_Database : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    QStringList Columns(const QString& table) const
    {
        QStringList names;
        QSqlQuery q(m_install->Db());
        q.exec(QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table));
        while (q.next())
            names << q.value(0).toString();
        return names;
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void tablesAndColumns_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("columns");
        QTest::newRow("Customer") << "Customer"
                                  << "ID Name HouseName Street Area Town PostCode TelNo MobileNo EmailAddress Notes "
                                     "ClubMember MembershipNo";
        QTest::newRow("Owner") << "Owner" << "ID Name HouseName Street Area Town PostCode MobileNo EmailAddress Notes";
        QTest::newRow("BerthType") << "BerthType" << "ID Type";
        QTest::newRow("Berth") << "Berth"
                               << "ID Name Length Width TypeID OwnerID HasPower Notes DailyHireCharge "
                                  "WeeklyHireCharge MonthlyHireCharge Active";
        QTest::newRow("PaymentMethod") << "PaymentMethod" << "ID Name";
        QTest::newRow("Booking") << "Booking"
                                 << "ID CustomerID FromDate ToDate Created BookedBy Notes NoAdults NoKids CostOfHire "
                                    "OtherCharges VAT TotalPayable AmountPayed PaymentMethodID CreditCardNo "
                                    "CreditCardExpiry CreditCardType CreditCardCV2No BerthConfirmationNumber "
                                    "GuestConfirmationNumber PowerRequirements ClubMember";
        QTest::newRow("BookingBerth") << "BookingBerth" << "BookingID BerthID";
        QTest::newRow("Settings") << "Settings" << "WebBookingEmail WebBookingProviderIndex WebBookingProviderCustom";
        QTest::newRow("Company") << "Company"
                                 << "CompanyID|Company Name|Trading Name|Street|Area|Town|County|Postcode|"
                                    "Telephone No|VAT No|Receipt Footer|TermsandConditions";
        QTest::newRow("InvTemp") << "InvTemp"
                                 << "ID CompanyID CustomerID FromDate ToDate BookedBy PaymentMethodID "
                                    "BerthConfirmationNumber GuestConfirmationNumber ClubMember CostOfHire "
                                    "OtherCharges VAT TotalPayable AmountPayed Notes";
    }
    void tablesAndColumns()
    {
        QFETCH(QString, table);
        QFETCH(QString, columns);
        const QChar separator = columns.contains(u'|') ? u'|' : u' ';
        QCOMPARE(Columns(table), columns.split(separator));
    }

    void deliveredRowsAndDefaults()
    {
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Settings")).toInt(), 1);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Company")).toInt(), 1);
        QVERIFY(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM BerthType")).toInt() >= 5);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM PaymentMethod")).toInt(), 5);
        QCOMPARE(m_install->Value(QStringLiteral("PRAGMA user_version")).toInt(), Database::CurrentSchemaVersion);
        for (const char* index : {"IX_Booking_Period", "IX_Booking_Customer", "IX_BookingBerth_Berth",
                                  "IX_BookingBerth_Booking", "IX_Berth_Owner"})
            QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = ?"),
                                      {QString::fromLatin1(index)}).toInt(), 1);

        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (Name) VALUES ('A1')")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT Active FROM Berth")).toInt(), 1);
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO InvTemp (ID) VALUES (5)")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT CompanyID FROM InvTemp")),
                 m_install->Value(QStringLiteral("SELECT CompanyID FROM Company")));
        // Created is filled with the local time of insertion.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (CustomerID) VALUES (1)")));
        const QDateTime created = modFunctions::ReadDateTime(m_install->Value(QStringLiteral("SELECT Created FROM Booking")));
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(qAbs(created.secsTo(modFunctions::WallTime(now.date(), now.time()))) < 120);
        // A new row's identity is the maximum.
        QCOMPARE(m_install->Value(QStringLiteral("SELECT MAX(ID) AS M FROM Booking")).toInt(), 1);
    }

    void createRefusesExistingOrUnwritable()
    {
        QString error;
        QVERIFY(!Database::CreateDatabase(m_install->DatabasePath(), &error));
        QVERIFY(error.contains(QStringLiteral("already exists")));
        QVERIFY(!Database::CreateDatabase(m_install->Root() + QStringLiteral("/no/such/folder/DB.sqlite"), &error));
        const QString fresh = m_install->Root() + QStringLiteral("/fresh.sqlite");
        QVERIFY(Database::CreateDatabase(fresh, &error));
        QVERIFY(QFile::exists(fresh));
        QCOMPARE(QDir(m_install->Root()).entryList({QStringLiteral("fresh.sqlite*")}, QDir::Files).size(), 1);
    }

    void openRefusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("text file") << QByteArray("this is not a database\n");
        QTest::newRow("truncated header") << QByteArray("SQLite format 3\0garbage", 24);
    }
    void openRefusesBadFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = m_install->Root() + QStringLiteral("/bad.sqlite");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QString error;
        QVERIFY(!modFunctions::OpenConnection(path, QStringLiteral("probe"), 100, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QSqlDatabase::contains(QStringLiteral("probe")));
        // Never creates the file, never changes it.
        QCOMPARE(QFile::exists(path), !content.isEmpty());
    }

    void openRefusesForeignDatabase()
    {
        const QString path = m_install->Root() + QStringLiteral("/other.sqlite");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(Sql::Exec(db, QStringLiteral("CREATE TABLE Something (x)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QString error;
        QVERIFY(!modFunctions::OpenConnection(path, QStringLiteral("probe"), 100, &error));
        QVERIFY(error.contains(QStringLiteral("not a Zem Harbour database")));
    }

    void openRefusesLockedFile()
    {
        // Another connection holds an exclusive lock: opening gives up after the busy timeout.
        QVERIFY(Sql::Exec(m_install->Db(), QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        QVERIFY(Sql::Exec(m_install->Db(), QStringLiteral("BEGIN EXCLUSIVE")));
        QString error;
        QVERIFY(!modFunctions::OpenConnection(m_install->DatabasePath(), QStringLiteral("probe"), 100, &error));
        QVERIFY(Sql::Exec(m_install->Db(), QStringLiteral("COMMIT")));
    }

    void likePrefixMatchesLiterally_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("matches");
        QTest::newRow("percent is literal") << "50%" << 1;
        QTest::newRow("underscore is literal") << "a_" << 1;
        QTest::newRow("backslash is literal") << "c\\" << 1;
        QTest::newRow("apostrophe") << "O'N" << 1;
        QTest::newRow("plain prefix, any case") << "o'n" << 1;
    }
    void likePrefixMatchesLiterally()
    {
        QFETCH(QString, prefix);
        QFETCH(int, matches);
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (Name) VALUES ('50% off'), ('500 Club'), "
                                               "('a_b'), ('abc'), ('c\\d'), ('cd'), ('O''Neill')")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE Name LIKE ? ESCAPE '\\'"),
                                  {Sql::LikePrefix(prefix)}).toInt(),
                 matches);
    }
};

ZEM_TEST(tst_Database)
#include "tst_Database.moc"
