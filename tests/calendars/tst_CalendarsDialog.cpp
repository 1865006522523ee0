#include "bookings/FeedBlocks.h"
#include "calendars/CalendarsDialog.h"
#include "calendars/FeedStore.h"
#include "common/TestSupport.h"
#include "core/DateTimes.h"
#include "core/Registry.h"

using namespace Qt::StringLiterals;

// The Calendars window: feeds added and removed with what the user is told, the conflicts listed, this desk's
// settings kept.
class tst_CalendarsDialog : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'B7', 1), (3, 'Old', 0)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Other')"_s));
    }

private slots:
    void feedsAddedAndRemoved()
    {
        CalendarsDialog dialog(m_install->services, nullptr);
        dialog.show();
        auto* berth = control<QComboBox>(dialog, "cboBerth");
        QCOMPARE(berth->count(), 2); // berths out of use take no feed
        berth->setCurrentIndex(berth->findText(u"B7"_s));
        auto* address = control(dialog, "txtAddress");
        address->setText(u"ftp://site.example/b7.ics"_s);
        QVERIFY(!dialog.addFeed());
        VERIFY_HAS(said(), u"not a calendar address"_s);
        QCOMPARE(address->text(), u"ftp://site.example/b7.ics"_s); // kept to be put right
        address->setText(u"webcal://site.example/b7.ics"_s);
        click(dialog, "cmdAdd");
        QVERIFY2(address->text().isEmpty(), qPrintable(said()));
        auto* feeds = control<QTableWidget>(dialog, "grdFeeds");
        QCOMPARE(feeds->rowCount(), 1);
        QCOMPARE(feeds->item(0, 0)->text() + u' ' + feeds->item(0, 1)->text() + u' ' + feeds->item(0, 2)->text(),
                 u"B7 webcal://site.example/b7.ics not yet"_s);
        VERIFY_HAS(logText(), u"[Calendar feed added]\r\nB7 webcal://site.example/b7.ics"_s);

        // Removing asks first; No keeps the feed, Yes takes it and its blocks.
        const int id = FeedStore::list(m_install->db())->first().id;
        QVERIFY(FeedBlocks::apply(m_install->db(), id, 2,
                                  {{u"u1"_s, DateTimes::wallTime(QDate(2026, 7, 1), QTime(12, 0)),
                                    DateTimes::wallTime(QDate(2026, 7, 3), QTime(12, 0))}},
                                  u"Booked elsewhere"_s));
        feeds->selectRow(0);
        m_install->messages.answers.enqueue(MsgResult::No);
        QVERIFY(!dialog.removeFeed());
        QCOMPARE(feeds->rowCount(), 1);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(dialog.removeFeed());
        QCOMPARE(feeds->rowCount(), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), 0);
        VERIFY_HAS(logText(), u"[Calendar feed removed]"_s);
    }

    void conflictsListedAndDeskSettingsKept()
    {
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (8, 1, '2026-07-01 14:00:00', "
                     u"'2026-07-04 10:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (8, 1)"_s));
        const auto id = FeedStore::add(m_install->db(), 1, u"https://site.example/a1.ics"_s);
        QVERIFY(id);
        QVERIFY(FeedBlocks::apply(m_install->db(), *id, 1,
                                  {{u"u1"_s, DateTimes::wallTime(QDate(2026, 7, 2), QTime(12, 0)),
                                    DateTimes::wallTime(QDate(2026, 7, 5), QTime(12, 0))}},
                                  u"Booked elsewhere"_s));
        CalendarsDialog dialog(m_install->services, nullptr);
        auto* conflicts = control<QTableWidget>(dialog, "grdConflicts");
        QCOMPARE(conflicts->rowCount(), 1);
        QCOMPARE(conflicts->item(0, 0)->text() + u' ' + conflicts->item(0, 3)->text() + u' ' +
                     conflicts->item(0, 4)->text(),
                 u"A1 8 Ann Other"_s);

        QTemporaryDir folder;
        const QString where = folder.filePath(u"site/calendars"_s);
        control(dialog, "txtFolder")->setText(where);
        control<QCheckBox>(dialog, "chkGateway")->setChecked(true);
        click(dialog, "cmdSaveDesk");
        QCOMPARE(Registry::getRegistryValue(Settings::CalendarPublishFolder), where);
        QCOMPARE(Registry::getRegistryValue(Settings::CalendarGateway), u"1"_s);
        QVERIFY(QFileInfo(where).isDir());
        // A folder that cannot be made is said, and nothing is kept.
        control(dialog, "txtFolder")->setText(u"/proc/no/such"_s);
        click(dialog, "cmdSaveDesk");
        VERIFY_HAS(said(), u"could not be made"_s);
        QCOMPARE(Registry::getRegistryValue(Settings::CalendarPublishFolder), where);
    }
};

ZEM_TEST(tst_CalendarsDialog)

#include "tst_CalendarsDialog.moc"
