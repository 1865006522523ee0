#include "bookings/BookingMail.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/RemindersWindow.h"
#include "common/TestSupport.h"
#include "core/ui/ClickableLabel.h"
#include "mail/MailSettings.h"
#include "mail/MailTemplates.h"
#include "mail/Outbox.h"
#include "shell/MailTemplatesDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

// The reminders a morning proposes from each booking's dues, and queuing them in one step.
class tst_Reminders : public InstallTest
{
    Q_OBJECT
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, EmailAddress) VALUES (1, 'Ann', 'ann@x.test'), "
                     u"(2, 'Bob', '')"_s));
        // Today is the fixture's clock. Bookings: 1 deposit due in 2 days, 2 balance due in 5 days (no address),
        // 3 balance overdue by 10 days, 4 overdue by 2 days, 5 paid up, 6 balance due in 30 days.
        const QDate today = m_install->clock.now().date();
        auto day = [&](int d) { return today.addDays(d).toString(Qt::ISODate); };
        const QString rows = u"(1, 1, '%1 14:00:00', '%2 10:00:00', 100000, 0, 50000, '%3', '%1'), "
                             u"(2, 2, '%4 14:00:00', '%5 10:00:00', 100000, 50000, NULL, NULL, '%6'), "
                             u"(3, 1, '%7 14:00:00', '%8 10:00:00', 100000, 0, NULL, NULL, '%9'), "_s.arg(
                                 day(40), day(42), day(2), day(20), day(21), day(5), day(3), day(4), day(-10)) +
                             u"(4, 1, '%1 14:00:00', '%2 10:00:00', 100000, 0, NULL, NULL, '%3'), "
                             u"(5, 1, '%4 14:00:00', '%5 10:00:00', 100000, 100000, NULL, NULL, '%4'), "
                             u"(6, 1, '%6 14:00:00', '%7 10:00:00', 100000, 0, NULL, NULL, '%8')"_s.arg(
                                 day(3), day(4), day(-2), day(6), day(7), day(60), day(61), day(30));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed, "
                     u"DepositDue, DepositBy, BalanceBy) VALUES "_s +
                     rows));
    }

private slots:
    void proposedByTheRulesOnceEach_data()
    {
        QTest::addColumn<BookingMail::Rules>("rules");
        QTest::addColumn<QList<int>>("bookings");
        QTest::newRow("defaults") << BookingMail::Rules{3, 7, 7} << QList<int>{3, 1, 2};
        QTest::newRow("rules off") << BookingMail::Rules{0, 0, 0} << QList<int>{};
        QTest::newRow("wide") << BookingMail::Rules{1, 30, 1} << QList<int>{3, 4, 2, 6};
    }
    void proposedByTheRulesOnceEach()
    {
        QFETCH(BookingMail::Rules, rules);
        QFETCH(QList<int>, bookings);
        const auto db = m_install->db();
        const QDate today = m_install->clock.now().date();
        const auto proposed = BookingMail::proposals(db, rules, today);
        QVERIFY2(proposed, qPrintable(proposed.error()));
        QCOMPARE(idsOf(*proposed), bookings);
        for (const auto& r : *proposed) {
            QCOMPARE(r.kind, r.bookingId == 1 ? Outbox::Kinds::DepositReminder : Outbox::Kinds::BalanceReminder);
            QCOMPARE(r.address.isEmpty(), r.bookingId == 2);
        }
        if (bookings.isEmpty())
            return;
        // One without an address stops the batch: nothing half-queued.
        QCOMPARE(BookingMail::queueReminders(db, *proposed, m_install->clock.now(), u"d"_s).kind(),
                 FailureKind::Refused);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 0);
        QList<BookingMail::Reminder> sendable;
        for (const auto& r : *proposed)
            if (!r.address.isEmpty())
                sendable << r;
        QCOMPARE(*BookingMail::queueReminders(db, sendable, m_install->clock.now(), u"d"_s), sendable.size());
        // The amount and day reach the text; a second look the same morning proposes only what was left.
        const QString body =
            m_install->text(u"SELECT Body FROM Outbox WHERE BookingID = ?"_s, {sendable.first().bookingId});
        QVERIFY2(body.contains(sendable.first().amount.formatGrouped()), qPrintable(body));
        const auto again = BookingMail::proposals(db, rules, today);
        QCOMPARE(again->size(), proposed->size() - sendable.size());
    }

    // Chosen in Today or the payments due: what each owes now, whatever the rules' days; queued twice (or by two
    // desks from the same list), each goes once.
    void chosenBookingsRemindedOnceEach()
    {
        const auto db = m_install->db();
        const QDate today = m_install->clock.now().date();
        const auto chosen = BookingMail::remindersFor(db, {6, 5, 4, 3, 1}, today);
        QVERIFY2(chosen, qPrintable(chosen.error()));
        QCOMPARE(idsOf(*chosen), (QList<int>{3, 4, 1, 6})); // 5 owes nothing
        for (const auto& r : *chosen)
            QCOMPARE(r.overdue, r.bookingId == 3 || r.bookingId == 4);
        QCOMPARE(*BookingMail::queueReminders(db, *chosen, m_install->clock.now(), u"desk1"_s), 4);
        QCOMPARE(*BookingMail::queueReminders(db, *chosen, m_install->clock.now(), u"desk2"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 4);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(DISTINCT BookingID) FROM Outbox"_s), 4);
        QVERIFY(BookingMail::remindersFor(db, {6, 5, 4, 3, 1}, today)->isEmpty());
        // Each filled from its own booking.
        QVERIFY(m_install->text(u"SELECT Body FROM Outbox WHERE BookingID = 6"_s)
                    .contains(DateTimes::dateText(today.addDays(60))));
    }
};
ZEM_TEST(tst_Reminders)

// Where mail starts in the windows: the summary, the Reminders window, the templates.
class tst_MailWindows : public InstallTest
{
    Q_OBJECT
    void seed() override
    {
        QVERIFY(
            exec(u"INSERT INTO Customer (ID, Name, EmailAddress) VALUES (1, 'Ann', 'ann@x.test'), (2, 'Bob', '')"_s));
        const QDate today = m_install->clock.now().date();
        QVERIFY(exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed, BalanceBy, "
            u"BerthConfirmationNumber) VALUES (1, 1, ?, ?, 100000, 0, ?, 41), (2, 2, ?, ?, 100000, 0, ?, 42)"_s,
            {dbText(today.addDays(10), 14), dbText(today.addDays(12), 10), today.addDays(3).toString(Qt::ISODate),
             dbText(today.addDays(10), 14), dbText(today.addDays(12), 10), today.addDays(3).toString(Qt::ISODate)}));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 2)"_s));
    }

private slots:
    void summaryEmailQueuesOnlyWithAServer()
    {
        BookingSummaryWindow summary(m_install->services);
        QVERIFY(summary.prepare(1));
        auto* email = summary.findChild<ClickableLabel*>(u"Label38"_s);
        QVERIFY(email);
        // No server: the desktop's mail program, as before; nothing queued.
        emit email->clicked();
        QCOMPARE(m_install->desktop.opened.size(), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 0);

        Registry::setRegistryValue(MailSettings::Host, u"mail.harbour.test"_s);
        emit email->clicked();
        QCOMPARE(m_install->desktop.opened.size(), 1);
        auto* list = summary.findChild<QTreeWidget*>(u"lstMessages"_s);
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(4), Outbox::stateText(Outbox::State::Queued));
        QCOMPARE(m_install->text(u"SELECT AttachmentName FROM Outbox"_s), u"Booking Confirmation 1.pdf"_s);

        // Refused by the server: resent on request, its tries counted afresh.
        const qint64 id = m_install->scalarInt(u"SELECT ID FROM Outbox"_s);
        QVERIFY(Outbox::markUnsent(m_install->db(), id, u"550 no"_s, true, true, m_install->clock.now()));
        QVERIFY(summary.prepare(1));
        list->setCurrentItem(list->topLevelItem(0));
        QVERIFY(summary.findChild<QPushButton*>(u"cmdResendMessage"_s)->isEnabled());
        click(summary, u"cmdResendMessage");
        QCOMPARE(Outbox::read(m_install->db(), id)->state, Outbox::State::Queued);
        QCOMPARE(Outbox::read(m_install->db(), id)->attempts, 0);

        // A customer without an address is told so; nothing queued.
        QVERIFY(summary.prepare(2));
        emit email->clicked();
        QVERIFY2(said().contains(u"no usable e-mail address"_s), qPrintable(said()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Outbox"_s), 1);
    }

    void remindersReviewedAndSentInOneStep()
    {
        Registry::setRegistryValue(MailSettings::Host, u"mail.harbour.test"_s);
        RemindersWindow window(m_install->services, nullptr);
        auto* list = window.findChild<QTreeWidget*>(u"lstReminders"_s);
        QCOMPARE(list->topLevelItemCount(), 2);
        // Bob has no address: shown, but it cannot be ticked.
        QTreeWidgetItem* bob = list->findItems(u"42"_s, Qt::MatchExactly).value(0);
        QVERIFY(bob && !(bob->flags() & Qt::ItemIsEnabled));
        QCOMPARE(window.sendChosen(), 1);
        QCOMPARE(m_install->text(u"SELECT ToAddress || ' ' || Kind FROM Outbox"_s), u"ann@x.test balance reminder"_s);
        QVERIFY(logText().contains(EventLog::eventText(EventLog::RemindersQueued)));
        // Sent once: the next look proposes only Bob's, and the button stays off.
        QCOMPARE(list->topLevelItemCount(), 1);
        QVERIFY(!window.findChild<QPushButton*>(u"cmdSend"_s)->isEnabled());
    }

    void templateWithAnUnknownPlaceholderIsKeptAsTyped()
    {
        MailTemplatesDialog dialog(m_install->services, nullptr);
        auto* body = dialog.findChild<QPlainTextEdit*>(u"txtBody"_s);
        body->setPlainText(u"Dear {CustomerNam}"_s);
        QVERIFY(!dialog.save());
        QVERIFY2(said().contains(u"{CustomerNam}"_s), qPrintable(said()));
        QCOMPARE(body->toPlainText(), u"Dear {CustomerNam}"_s);
        body->setPlainText(u"Dear {CustomerName}"_s);
        dialog.findChild<QSpinBox*>(u"spnBalanceDays"_s)->setValue(14);
        QVERIFY(dialog.save());
        QCOMPARE(MailTemplates::load(m_install->db(), Outbox::Kinds::Confirmation)->body, u"Dear {CustomerName}"_s);
        QCOMPARE(BookingMail::Rules::load().balanceDays, 14);
    }
};
ZEM_TEST(tst_MailWindows)

#include "tst_MailDesk.moc"
