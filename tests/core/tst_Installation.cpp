#include "common/InstallFixture.h"
#include "core/Actor.h"
#include "core/Dialect.h"
#include "core/FileSecurity.h"
#include "core/InstallPaths.h"

#include <QSettings>
#include <QStorageInfo>
#include <QtEndian>
#include <cstdio>

// What an installation stores: the database file and the settings.
class tst_Installation : public InstallTest
{
    Q_OBJECT

private slots:
    void tablesAndColumns_data()
    {
        QTest::addColumn<QString>("columns"); // "|" between names that hold blanks
        QTest::newRow("Customer") << u"ID Name HouseName Street Area Town PostCode TelNo MobileNo EmailAddress Notes "
                                     u"ClubMember MembershipNo OldRef ImportBatchID ImportStamp Language"_s;
        QTest::newRow("Owner") << u"ID Name HouseName Street Area Town PostCode MobileNo EmailAddress Notes"_s;
        QTest::newRow("BerthType") << u"ID Type MinimumLength"_s;
        QTest::newRow("Berth")
            << u"ID Name Length Width TypeID OwnerID HasPower Notes DailyHireCharge "
               u"WeeklyHireCharge MonthlyHireCharge Active MaxDraft TakesMultihulls OldRef ImportBatchID "
               u"ImportStamp ListChange"_s;
        QTest::newRow("PaymentMethod") << u"ID Name"_s;
        QTest::newRow("Booking")
            << u"ID CustomerID FromDate ToDate Created BookedBy Notes NoAdults NoKids CostOfHire "
               u"OtherCharges VAT TotalPayable AmountPayed PaymentMethodID CreditCardNo "
               u"CreditCardExpiry CreditCardType CreditCardCV2No BerthConfirmationNumber "
               u"GuestConfirmationNumber PowerRequirements ClubMember TaxRate BoatID Cancelled "
               u"CancelledBerths InvoiceNumber Status ArrivedAt ArrivedDesk DepartedAt DepartedDesk "
               u"DepositDue DepositBy BalanceBy OldRef ImportBatchID ImportStamp"_s;
        QTest::newRow("BookingBerth") << u"BookingID BerthID"_s;
        QTest::newRow("Settings") << u"WebBookingEmail WebBookingProviderIndex WebBookingProviderCustom"_s;
        QTest::newRow("Company") << u"CompanyID|Company Name|Trading Name|Street|Area|Town|County|Postcode|"
                                    u"Telephone No|VAT No|Receipt Footer|TermsandConditions|DepositKind|DepositAmount|"
                                    u"DepositPercent|DepositMinimum|BalanceDueDays|LastInvoiceNumber|"
                                    u"LastCreditNoteNumber|AwayShare|ContractTerms|DocumentLanguage"_s;
        QTest::newRow("CreditNote") << u"ID Number BookingID InvoiceNumber PaymentID Amount IssuedAt Desk"_s;
        QTest::newRow("Season") << u"ID Name FirstNight LastNight Yearly Priority"_s;
        QTest::newRow("Rate") << u"ID SeasonID BerthTypeID BerthID PerMetre Nightly WeekendNight Weekly Monthly"_s;
        QTest::newRow("Tax") << u"ID Name Rate FromDate"_s;
        QTest::newRow("Payment") << u"ID BookingID PaidAt Kind PaymentMethodID Amount Reference Desk Note ContractID"_s;
        QTest::newRow("Contract") << u"ID CustomerID BoatID TermID FirstDay LastDay Hire Tax Total Paid Cancelled "
                                     u"Created Desk Notes RenewedFrom Lapsed OldRef ImportBatchID ImportStamp"_s;
        QTest::newRow("ContractLetter") << u"ID ContractID Kind Created Desk Pdf RunID FirstPage PageCount Title"_s;
        QTest::newRow("ContractLetterRun") << u"ID Created Desk Pdf"_s;
        QTest::newRow("ContractBerth") << u"ContractID BerthID BlockID"_s;
        QTest::newRow("CalendarFeed") << u"ID BerthID Url LastRead LastError Events"_s;
        QTest::newRow("FeedEvent") << u"FeedID Uid FromDate ToDate"_s;
        QTest::newRow("BookingRequest") << u"ID MessageID Received Name Email Phone Arrive Depart BoatLength BoatBeam "
                                           u"BoatDraft BerthType Language Comments CheckReason Body State BookingID "
                                           u"DecidedBy DecidedAt"_s;
        QTest::newRow("BerthBlock") << u"ID BerthID FromDate ToDate Reason ContractID FeedID FeedUid RequestID "
                                       u"HoldUntil"_s;
        QTest::newRow("ContractInstalment") << u"ID ContractID Number DueDate Amount InvoiceNumber IssuedAt"_s;
        QTest::newRow("Boat")
            << u"ID CustomerID Name Kind LengthCm BeamCm DraftCm HeightCm Registration "
               u"InsuranceCompany PolicyNumber InsuranceExpiry Notes OldRef ImportBatchID ImportStamp"_s;
        QTest::newRow("WaitingEntry") << u"ID CustomerID BoatID FromDate ToDate BerthTypeID MinLengthCm Notes Added "
                                         u"Status OfferedOn"_s;
        QTest::newRow("InvTemp") << u"ID CompanyID CustomerID FromDate ToDate BookedBy PaymentMethodID "
                                    u"BerthConfirmationNumber GuestConfirmationNumber ClubMember CostOfHire "
                                    u"OtherCharges VAT TotalPayable AmountPayed Notes"_s;
    }
    void tablesAndColumns()
    {
        QFETCH(QString, columns);
        const QSqlDatabase db = m_install->db();
        const Dialect& dialect = Dialect::of(db);
        const QString table = QLatin1String(QTest::currentDataTag());
        QStringList names;
        QSqlQuery q(db);
        QVERIFY(Sql::exec(q, dialect.columnsSql(), {dialect.tableName(table)}));
        while (q.next())
            names << q.value(0).toString().toLower();
        // A server keeps the order rows were added in a column of its own, where a file has its rowid.
        names.removeAll(dialect.insertOrder({}).toLower());
        QCOMPARE(names.join(u'|'), columns.split(columns.contains(u'|') ? u'|' : u' ').join(u'|').toLower());
    }

    void noOtherTables()
    {
        QStringList tables = m_install->joined(Dialect::of(m_install->db()).tablesSql()).toLower().split(u',');
        // The server's own: its schema version (a file keeps it in its header), the period index with its
        // overlap rule and the customers' search words (a file's are virtual tables), and the approvals held by
        // its connections.
        for (const QString& own : {u"schemaversion"_s, u"bookingperiod"_s, u"customertext"_s, u"approvalhold"_s})
            tables.removeAll(own);
        tables.sort();
        QCOMPARE(
            tables.join(u' '),
            u"approval awaycredit berth berthblock berthlistversion berthmonth berthtype blockedbooking boat "
            u"booking bookingberth "
            u"bookingcharge bookinghistory bookingmonth bookingrequest calendarfeed calendarmonth closedperiod "
            u"company contract "
            u"contractaway "
            u"contractberth contractinstalment contractletter contractletterrun "
            u"contractrate contractterm creditnote customer feedevent importbatch importmapping invtemp mailtemplate "
            u"mailtemplatetext meter "
            u"metercharge meterreading metertariff metertariffband outbox "
            u"owner payment "
            u"paymentmethod rate rolepermission "
            u"season settings staffuser tax waitingentry"_s);
    }

    // A database of the release before seasons and taxes (on a server the first version there was) gains them on
    // opening, with the VAT it always charged.
    void version3IsUpgradedWhenOpened()
    {
        QSqlDatabase db = m_install->db();
        const Dialect& dialect = Dialect::of(db);
        const bool server = dialect.kind() == Engine::PostgreSQL;
        const QStringList steps = {
            TestSupport::dropHistorySql(server),
            TestSupport::dropDeskDaySql(),
            TestSupport::dropBerthListSql(server),
            TestSupport::dropBlocksSql(server),
            TestSupport::dropSeasonsSql(server),
            TestSupport::dropArrivalTotalsSql(server),
            TestSupport::dropLedgerSql(server),
            u"INSERT INTO Booking (ID, AmountPayed, PaymentMethodID, Created, FromDate) VALUES (9, 250000, "
            u"2, '2026-01-02 10:00:00', '2026-01-05 14:00:00'), (10, 0, 2, NULL, NULL)"_s,
            u"INSERT INTO Customer (ID, Name, Town) VALUES (4, 'Zoë', 'York')"_s,
            dialect.setSchemaVersionSql(3)};
        for (const QString& sql : steps)
            QVERIFY2(Sql::execScript(db, sql), qPrintable(sql));
        const auto upgraded = Database::open(Database::addressOf(Database::sharedConnectionName()), u"upgraded"_s);
        QVERIFY2(upgraded, qPrintable(upgraded.error()));
        const auto read = [&](const QString& sql) { return Sql::scalar(*upgraded, sql)->toString(); };
        QCOMPARE(dialect.schemaVersion(*upgraded, nullptr), Database::CurrentSchemaVersion);
        QCOMPARE(read(u"SELECT Name || ' ' || Rate FROM Tax"_s), u"VAT 1750"_s);
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO Booking (ID, TaxRate) VALUES (7, 1750)"_s));
        QVERIFY(Sql::exec(*upgraded, u"UPDATE Customer SET OldRef = 'K4', ImportBatchID = 1 WHERE ID = 4"_s));
        // A booking's charge lines arrive with their table, and go with the booking.
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO BookingCharge (BookingID, Line, Berth, Unit, Quantity, Rate, "
                                     u"Amount) VALUES (7, 1, 'A1', 0, 2, 10000, 20000)"_s));
        QVERIFY(Sql::exec(*upgraded, u"DELETE FROM Booking WHERE ID = 7"_s));
        QCOMPARE(read(u"SELECT COUNT(*) FROM BookingCharge"_s), u"0"_s);
        // What each booking showed as paid is its ledger's first line, and new invoices number above every ID.
        QCOMPARE(read(u"SELECT BookingID || ' ' || Amount || ' ' || Kind || ' ' || PaidAt || ' ' || PaymentMethodID "
                      u"FROM Payment"_s),
                 u"9 250000 2 2026-01-02 10:00:00 2"_s);
        QCOMPARE(read(u"SELECT LastInvoiceNumber FROM Company"_s), u"10"_s);
        // Meters arrive empty, and a reading once added is kept as it was.
        QCOMPARE(read(u"SELECT COUNT(*) FROM Meter"_s), u"0"_s);
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO MeterReading (ID, MeterID, ReadAt, Value) VALUES (5, 1, "
                                     u"'2026-01-02 10:00:00', 1000)"_s));
        QVERIFY(!Sql::exec(*upgraded, u"UPDATE MeterReading SET Value = 2000 WHERE ID = 5"_s));
        QVERIFY(!Sql::exec(*upgraded, u"DELETE FROM MeterReading WHERE ID = 5"_s));
        // No line and no block belongs to a contract, and the contracts start empty.
        QCOMPARE(read(u"SELECT COUNT(*) FROM Payment WHERE ContractID IS NULL"_s), u"1"_s);
        // Nothing is renewed, lapsed or kept as a letter yet, and the contract terms start empty.
        QCOMPARE(read(u"SELECT COUNT(*) FROM ContractLetter"_s) +
                     read(u"SELECT COUNT(*) FROM Contract WHERE Lapsed = 1 "
                          u"OR RenewedFrom IS NOT NULL"_s) +
                     read(u"SELECT COUNT(*) FROM Company WHERE ContractTerms IS NOT NULL"_s) +
                     read(u"SELECT COUNT(*) FROM ContractLetterRun"_s),
                 u"0000"_s);
        // A clerk renews, so keeps a run's letters.
        if (server)
            QCOMPARE(read(u"SELECT has_table_privilege('zem_clerk', 'contractletterrun', 'INSERT')::text || "
                          u"has_sequence_privilege('zem_clerk', 'contractletterrun_id_seq', 'USAGE')"_s),
                     u"truetrue"_s);
        QCOMPARE(read(u"SELECT COUNT(*) FROM Contract"_s), u"0"_s);
        // The bookings already there are counted in the totals of their month of arrival.
        QCOMPARE(read(u"SELECT Month || ' ' || Bookings || ' ' || LeadDays FROM BookingMonth"_s), u"2026-01 1 3"_s);
        // The customers already there can be searched by any part.
        QCOMPARE(read(u"SELECT Words FROM CustomerText"_s), u" zoe york"_s);
        // The office starts with no users, so everything stays allowed until its first administrator is made.
        QCOMPARE(read(u"SELECT COUNT(*) FROM StaffUser"_s) + read(u"SELECT COUNT(*) FROM RolePermission"_s), u"00"_s);
        // The quick search finds a booking by its number on an index.
        QCOMPARE(read(server ? u"SELECT COUNT(*) FROM pg_indexes WHERE indexname = 'ix_booking_confirmation'"_s
                             : u"SELECT COUNT(*) FROM sqlite_master WHERE name = 'IX_Booking_Confirmation'"_s),
                 u"1"_s);
        // The outbox and the office's templates arrive empty.
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO MailTemplate (Kind, Subject, Body) VALUES ('invoice', 'S', 'B')"_s));
        // Users made from now on get server logins, and no group reads the hashes of their passwords.
        QCOMPARE(read(u"SELECT COUNT(ServerLogin) FROM StaffUser"_s), u"0"_s);
        if (server)
            QCOMPARE(
                read(u"SELECT has_column_privilege('zem_clerk', 'staffuser', 'passwordhash', 'SELECT')::text || "
                     u"has_function_privilege('zem_clerk', 'zem_staff_matches(integer, text, text)', 'EXECUTE')"_s),
                u"falsetrue"_s);
        // An approval on the spot is held only through the server's functions, which the clerks' group may call.
        if (server)
            QCOMPARE(
                read(u"SELECT has_table_privilege('zem_clerk', 'approvalhold', 'SELECT')::text || "
                     u"has_table_privilege('zem_clerk', 'approval', 'INSERT')::text || has_function_privilege("
                     u"'zem_clerk', 'zem_approve(integer, text, text, text, text, text, timestamptz, integer, text)', "
                     u"'EXECUTE')"_s),
                u"falsefalsetrue"_s);
        // Changes are recorded from the upgrade on, by whoever makes them (a sign-in reaches open connections).
        Actor::signIn(3, u"Anna Berg"_s, u"clerk"_s);
        const bool changed = Sql::exec(*upgraded, u"UPDATE Booking SET Notes = 'after' WHERE ID = 9"_s);
        Actor::signOut();
        QVERIFY(changed);
        QCOMPARE(read(u"SELECT Field || ' ' || NewValue || ' ' || Who FROM BookingHistory WHERE BookingID = 9"_s),
                 u"notes after Anna Berg"_s);
        // No feed is read yet, no block came from one, and a deleted berth takes its feeds with it.
        QCOMPARE(read(u"SELECT COUNT(*) FROM CalendarFeed"_s) + read(u"SELECT COUNT(FeedID) FROM BerthBlock"_s),
                 u"00"_s);
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO Berth (ID, Name) VALUES (77, 'F1')"_s));
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO CalendarFeed (BerthID, Url) VALUES (77, 'http://x/a.ics')"_s));
        QVERIFY(Sql::exec(*upgraded, u"INSERT INTO FeedEvent (FeedID, Uid, FromDate, ToDate) SELECT ID, 'e@x', "
                                     u"'2026-06-01 12:00:00', '2026-06-02 12:00:00' FROM CalendarFeed"_s));
        QVERIFY(Sql::exec(*upgraded, u"DELETE FROM Berth WHERE ID = 77"_s));
        QCOMPARE(read(u"SELECT COUNT(*) FROM CalendarFeed"_s) + read(u"SELECT COUNT(*) FROM FeedEvent"_s), u"00"_s);
        // No holder is away, and a holder's share of a visitor's hire starts at half.
        QCOMPARE(read(u"SELECT COUNT(*) FROM ContractAway"_s) + read(u"SELECT AwayShare FROM Company"_s), u"050"_s);
        // A meter's period is billed to a contract once, on an upgraded database too.
        QCOMPARE(read(server ? u"SELECT COUNT(*) FROM pg_indexes WHERE indexname = 'ix_metercharge_contractreading'"_s
                             : u"SELECT COUNT(*) FROM sqlite_master WHERE name = 'IX_MeterCharge_ContractReading'"_s),
                 u"1"_s);
        Database::close(u"upgraded"_s);
    }

    void deliveredRowsAndDefaults()
    {
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Settings"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Company"_s), 1);
        QVERIFY(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthType"_s) >= 5);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM PaymentMethod"_s), 5);
        QCOMPARE(m_install->joined(u"SELECT Name || ' ' || Rate || ' ' || FromDate FROM Tax"_s),
                 u"VAT 1750 2000-01-01"_s);
        QCOMPARE(Dialect::of(m_install->db()).schemaVersion(m_install->db(), nullptr), Database::CurrentSchemaVersion);
        const QString indexes = TestMain::currentEngine() == TestMain::Engine::SQLite
                                    ? u"SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = ?"_s
                                    : u"SELECT COUNT(*) FROM pg_indexes WHERE indexname = lower(?)"_s;
        for (const char* index :
             {"IX_Booking_Period", "IX_Booking_Customer", "IX_BookingBerth_Berth", "IX_BookingBerth_Booking",
              "IX_Berth_Owner", "IX_Booking_Confirmation", "IX_Booking_Boat", "IX_MeterCharge_ContractReading"})
            QCOMPARE(m_install->scalarInt(indexes, {QLatin1String(index)}), 1);

        QVERIFY(exec(u"INSERT INTO Berth (Name) VALUES ('A1')"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT Active FROM Berth"_s), 1);
        QVERIFY(exec(u"INSERT INTO InvTemp (ID) VALUES (5)"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM InvTemp JOIN Company USING (CompanyID)"_s), 1);
        // Created is filled with the local time of insertion.
        QVERIFY(exec(u"INSERT INTO Booking (CustomerID) VALUES (1)"_s));
        const QDateTime created = DateTimes::readDateTime(m_install->value(u"SELECT Created FROM Booking"_s));
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(qAbs(created.secsTo(DateTimes::wallTime(now.date(), now.time()))) < 120);
    }

    void givenIdsAreFollowedByNewOnes_data()
    {
        QTest::addColumn<QString>("table");
        for (const char* table : {"Customer", "Owner", "Berth", "Booking"})
            QTest::newRow(table) << QString::fromLatin1(table);
    }
    void givenIdsAreFollowedByNewOnes()
    {
        // Rows imported with their own IDs, then rows the program adds: never the same ID twice.
        QFETCH(QString, table);
        const auto add = [&] {
            return Sql::insertReturningId(m_install->db(), u"INSERT INTO %1 (Notes) VALUES ('new')"_s.arg(table), {});
        };
        QVERIFY(exec(u"INSERT INTO %1 (ID) VALUES (7), (3)"_s.arg(table)));
        QCOMPARE(add(), qint64(8));
        QVERIFY(exec(u"INSERT INTO %1 (ID) VALUES (20)"_s.arg(table)));
        QCOMPARE(add(), qint64(21));
    }

    void createRefusesAnExistingDatabase()
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Smith')"_s));
        const QString error = Database::createDatabase(m_install->databasePath()).error();
        VERIFY_HAS(error, u"it was left as it is"_s);
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer"_s), u"Smith"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Settings"_s), 1);
        QVERIFY(Database::open(m_install->databasePath(), u"probe"_s, 500));
        Database::close(u"probe"_s);
    }

    // A mapped file that vanishes under the program ends it: only this machine's disks are read through a map.
    void filesOnLocalDisksAreMapped()
    {
        for (const char* local : {"ext4", "XFS", "NTFS", "tmpfs"})
            QVERIFY2(Database::isLocalFileSystem(local), local);
        for (const char* remote : {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs", "fuseblk", "9p", ""})
            QVERIFY2(!Database::isLocalFileSystem(remote), remote);
        const QString path = m_install->databasePath();
        if (Dialect::of(m_install->db()).kind() == Engine::SQLite &&
            Database::isLocalFileSystem(QStorageInfo(path).fileSystemType()))
            QVERIFY(m_install->scalarInt(u"PRAGMA mmap_size"_s) > 0);
    }

    void likePrefixMatchesLiterally()
    {
        QVERIFY(exec(u"INSERT INTO Customer (Name) VALUES ('50% off'), ('500 Club'), ('a_b'), ('abc'), "
                     u"('c\\d'), ('cd'), ('O''Neill')"_s));
        // Wildcards and the escape character match only themselves.
        for (const QString& prefix : {u"50%"_s, u"a_"_s, u"c\\"_s, u"O'N"_s})
            QVERIFY2(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer WHERE Name LIKE ? ESCAPE '\\'"_s,
                                          {Sql::likePrefix(prefix)}) == 1,
                     qPrintable(prefix));
    }

    void roundTripKeepsNamesWithBlanksAndCommas()
    {
        Registry::setRegistryValue(Settings::ShowTipAtStartup, u"1"_s);
        Registry::setRegistryValue(Settings::Data, u"/srv/harbour/DB.sqlite"_s);
        QCOMPARE(Registry::getRegistryValue(Settings::ShowTipAtStartup, u"0"_s), u"1"_s);
        QCOMPARE(Settings::databasePath(), u"/srv/harbour/DB.sqlite"_s);
        const QByteArray ini = readAll(m_install->settingsPath());
        QVERIFY2(ini.contains("[General]") && ini.contains("Show%20Tip%20at%20Startup=1"), ini.constData());
        // Numbers are read with blanks around them; a text that is no number gives the setting's default.
        Registry::setRegistryValue(Settings::NextTip, u" 3 "_s);
        QCOMPARE(Registry::getRegistryNumber(Settings::NextTip), 3);
        Registry::setRegistryValue(Settings::ShowAdultsAndKids, u"three"_s);
        QCOMPARE(Registry::getRegistryNumber(Settings::ShowAdultsAndKids), 1);
        QVERIFY(Registry::isStored(Settings::ShowAdultsAndKids) && !Registry::isStored(Settings::PostCode));
        // A value edited by hand with a comma in it is text, not a list.
        QVERIFY(writeAll(m_install->settingsPath(),
                         "[General]\ntraces=/srv/My Files, 2024/traces\nShow%20Tip%20at%20Startup = 1,0\n"));
        QCOMPARE(Settings::tracesFolder(), u"/srv/My Files, 2024/traces/"_s);
        QCOMPARE(Registry::getRegistryValue(Settings::ShowTipAtStartup), u"1,0"_s);
        // The traces folder an older release wrote as its default means the installation's own.
        Registry::setRegistryValue(Settings::Traces, u"C:\\Zemc\\Traces\\"_s);
        QCOMPARE(Settings::tracesFolder(), m_install->root() + u"/traces/"_s);
        Registry::setRegistryValue(Settings::Traces, m_install->root() + u"/logs"_s);
        QCOMPARE(Settings::tracesFolder(), m_install->root() + u"/logs/"_s);
    }

    void garbageGivesDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe[[[=", 9);
        QTest::newRow("no sections, junk lines") << QByteArray("=====\n;;;\n[\n");
        QTest::newRow("number where text is expected")
            << QByteArray("[General]\nCheckInTime=@Variant(\\0\\0\\0\\x2)\n");
    }
    void garbageGivesDefaults()
    {
        QFETCH(QByteArray, content);
        QVERIFY(writeAll(m_install->settingsPath(), content));
        QCOMPARE(Registry::getRegistryValue(Settings::CheckInTime), u"09:00"_s);
        QCOMPARE(Registry::getRegistryNumber(Settings::ShowTipAtStartup), 0);
    }

    void perUserValueFirstThenMachineWide()
    {
        // The per-user store lacks "data" (an installer wrote it machine-wide): the machine-wide value is read.
        QSettings user(m_install->root() + u"/user.ini"_s, QSettings::IniFormat);
        QSettings machine(m_install->root() + u"/machine.ini"_s, QSettings::IniFormat);
        machine.setValue(Settings::Data.name, u"/srv/harbour/DB.sqlite"_s);
        machine.setValue(Settings::CheckInTime.name, u"08:00"_s);
        user.setValue(Settings::CheckInTime.name, u"10:30"_s);
        const std::vector<const QSettings*> order{&user, &machine};
        QCOMPARE(Registry::readFirst(order, Settings::Data), u"/srv/harbour/DB.sqlite"_s);
        QCOMPARE(Registry::readFirst(order, Settings::CheckInTime), u"10:30"_s);
        QCOMPARE(Registry::readFirst(order, Settings::NextTip, u"0"_s), u"0"_s);
    }
};

ZEM_TEST(tst_Installation)

// What belongs to a database kept in a file: where it lies by default, its permissions, and files that are not
// one.
class tst_InstallationFile : public InstallTest
{
    Q_OBJECT

    using OpenRow = std::tuple<QByteArray, QString>;

private slots:
    void createMakesAFileOnlyItsOwnerReads()
    {
        QCOMPARE(Database::createDatabase(m_install->root() + u"/no/such/folder/DB.sqlite"_s).kind(),
                 FailureKind::File);
        QVERIFY(Database::createDatabase(m_install->root() + u"/fresh.sqlite"_s));
        QCOMPARE(QDir(m_install->root()).entryList({u"fresh.sqlite*"_s}, QDir::Files).size(), 1);
        // A new file is of this version from the start (its header's user version), with no upgrade to run.
        QCOMPARE(qFromBigEndian<qint32>(readAll(m_install->root() + u"/fresh.sqlite"_s).constData() + 60),
                 Database::CurrentSchemaVersion);
#ifndef Q_OS_WIN
        // Customers' details and card data: only the file's owner may read it.
        const auto others =
            QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(QFileInfo(m_install->root() + u"/fresh.sqlite"_s).permissions() & others, QFileDevice::Permissions());
        const QString other = m_install->root() + u"/copy.bak"_s;
        QVERIFY(writeAll(other, {}) && FileSecurity::restrictToOwner(other));
        QCOMPARE(QFileInfo(other).permissions() & others, QFileDevice::Permissions());
        QVERIFY(!FileSecurity::restrictToOwner(m_install->root() + u"/missing.bak"_s));
#endif
    }

    // A file dialog starts where the person last chose a file for the same purpose, while that folder exists.
    void fileDialogsRememberTheirFolder()
    {
        const QString proposed = m_install->root();
        const QString exports = m_install->root() + u"/exports"_s;
        QVERIFY(QDir().mkpath(exports));
        QCOMPARE(Settings::startFolder(u"Export Customers"_s, proposed), proposed);
        Settings::rememberFolder(u"Export Customers"_s, exports + u"/Customer.csv"_s);
        Settings::rememberFolder(u"Export Customers"_s, QString()); // cancelled: nothing changes
        QCOMPARE(Settings::startFolder(u"Export Customers"_s, proposed), exports);
        QCOMPARE(Settings::startFolder(u"Save Web Book as..."_s, proposed), proposed);
        QVERIFY(QDir(exports).removeRecursively());
        QCOMPARE(Settings::startFolder(u"Export Customers"_s, proposed), proposed);
    }

    // Another desk restores or compacts: the file is replaced by rename while this desk has it open. This desk's
    // next statement says so once and writes nothing into the old file; the one after works on the new file.
    void fileReplacedUnderAnOpenDesk()
    {
        const QString path = m_install->databasePath();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Before')"_s));
        const QString other = m_install->root() + u"/restored.sqlite"_s;
        QVERIFY(Database::createDatabase(other));
        {
            const auto restored = Database::open(other, u"other-desk"_s);
            QVERIFY(restored && Sql::exec(*restored, u"INSERT INTO Customer (ID, Name) VALUES (2, 'Restored')"_s));
        }
        Database::close(u"other-desk"_s);
        QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()) == 0);

        QString error;
        QVERIFY(!Sql::exec(m_install->db(), u"INSERT INTO Customer (ID, Name) VALUES (3, 'Lost?')"_s, {}, &error));
        QCOMPARE(error, Sql::replacedDatabaseMessage());
        // Read as the program reads, through the statement helpers.
        const QString namesSql = u"SELECT group_concat(Name) FROM (SELECT Name FROM Customer ORDER BY ID)"_s;
        const auto names = [&] { return Sql::scalar(m_install->db(), namesSql)->toString(); };
        QCOMPARE(names(), u"Restored"_s);
        QVERIFY(Sql::exec(m_install->db(), u"INSERT INTO Customer (ID, Name) VALUES (3, 'After')"_s, {}, &error));
        QCOMPARE(names(), u"Restored,After"_s);
        // A transaction noticing it saves nothing either.
        QVERIFY(Database::createDatabase(other));
        QVERIFY(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()) == 0);
        Sql::Transaction tx(m_install->db());
        QVERIFY(!tx.started());
        QCOMPARE(tx.error(), Sql::replacedDatabaseMessage());
    }

    void openRefusesBadFiles_data()
    {
        // content: "-": no file at all
        const DataRows<OpenRow> row;
        row("missing", {QByteArray("-"), u"does not exist"_s});
        row("empty file: a database without our tables", {QByteArray(), u"not a Zem Harbour database"_s});
        row("text file", {QByteArray("this is not a database\n"), u""_s});
        row("truncated header", {QByteArray("SQLite format 3\0garbage", 24), u""_s});
    }
    void openRefusesBadFiles()
    {
        const auto& [content, error] = fetchRow<OpenRow>();
        const QString path = m_install->root() + u"/bad.sqlite"_s;
        QVERIFY(content == "-" || writeAll(path, content));
        const QString reason = Database::open(path, u"probe"_s, 100).error();
        QVERIFY2(!reason.isEmpty() && reason.contains(error), qPrintable(reason));
        QVERIFY(!QSqlDatabase::contains(u"probe"_s));
        // Never creates the file, never changes it.
        QCOMPARE(QFileInfo(path).size(), content == "-" ? 0 : content.size());
        QCOMPARE(QFile::exists(path), content != "-");
    }

    void openRefusesLockedFile()
    {
        // Another connection holds an exclusive lock: opening gives up after the busy timeout.
        QVERIFY(Sql::execScript(m_install->db(), u"PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE"_s));
        QVERIFY(!Database::open(m_install->databasePath(), u"probe"_s, 100));
        QVERIFY(Sql::exec(m_install->db(), u"COMMIT"_s));
    }

    void defaultsWithoutAFile()
    {
        // Each setting read without a stored value gives its documented default; a stored value wins.
        const QList<std::pair<Setting, QString>> documented = {
            {Settings::ShowTipAtStartup, u"0"_s},  {Settings::NextTip, u"0"_s},
            {Settings::PostCode, u"0"_s},          {Settings::CurrencySymbol, u"0"_s},
            {Settings::CheckInTime, u"09:00"_s},   {Settings::CheckoutTime, u"14:00"_s},
            {Settings::ShowAdultsAndKids, u"1"_s}, {Settings::ConfigWelcome, u"0"_s},
            {Settings::WebBookWelcome, u"0"_s},    {Settings::MailListWelcome, u"0"_s}};
        for (const auto& [setting, value] : documented)
            QCOMPARE(Registry::getRegistryValue(setting), value);
        QCOMPARE(Registry::getRegistryValue(u"nothing"_s), QString());
        QCOMPARE(Settings::databasePath(), m_install->root() + u"/data/DB.sqlite"_s);
        QCOMPARE(Settings::tracesFolder(), m_install->root() + u"/traces/"_s);
        QVERIFY(!QFile::exists(m_install->settingsPath())); // reading never creates the store
    }

    void userFoldersWhenTheRootCannotBeWritten()
    {
        QVERIFY(InstallPaths::rootWritable());
        QCOMPARE(InstallPaths::messageLogPath(), m_install->root() + u"/bin/message.log"_s);
        QCOMPARE(InstallPaths::settingsFile(), m_install->root() + u"/Zem Harbour.ini"_s);
        // A root nobody can write (here: one that cannot even be made) sends everything written to the user.
        const QTemporaryDir home;
        qputenv("XDG_DATA_HOME", (home.path() + u"/data"_s).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + u"/config"_s).toLocal8Bit());
        InstallPaths::setRoot(u"/proc/zemharbour-root"_s);
        const QString user = home.path() + u"/data/Zem Software/Zem Harbour"_s;
        QVERIFY(!InstallPaths::rootWritable());
        QCOMPARE(Settings::databasePath(), user + u"/data/DB.sqlite"_s);
        QCOMPARE(Settings::tracesFolder(), user + u"/traces/"_s);
        QCOMPARE(InstallPaths::messageLogPath(), user + u"/message.log"_s);
        QCOMPARE(InstallPaths::settingsFile(), home.path() + u"/config/Zem Software/Zem Harbour.ini"_s);
        QCOMPARE(InstallPaths::appDir(), u"/proc/zemharbour-root/bin"_s); // help and tips stay installed
        InstallPaths::setRoot(m_install->root());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
};

ZEM_TEST_SQLITE_ONLY(tst_InstallationFile)
#include "tst_Installation.moc"
