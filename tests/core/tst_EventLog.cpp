#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Registry.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_EventLog : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void entriesAppendToTheDayFile()
    {
        QCOMPARE(modEventLog::LogPath(), m_install->TracesFolder() + QStringLiteral("04122026/events.Log"));
        const QDateTime when = m_install->clock.now;
        const QString date = u'[' + modFunctions::GeneralDateText(when) + u']';
        modEventLog::LogEvent(when, modEventLog::CustomerAdded, QStringLiteral("Name: O'Neill"));
        modEventLog::LogEvent(when, modEventLog::ApplicationStarted);
        modEventLog::LogEvent(when, 31, QStringLiteral("no text for 31"));
        modEventLog::LogEvent(when, 40);
        const QString expected = date + QStringLiteral("\r\n[Customer added]\r\nName: O'Neill\r\n\r\n") + date +
                                 QStringLiteral("\r\n[Application started]\r\n\r\n") + date +
                                 QStringLiteral("\r\nno text for 31\r\n\r\n") + date + QStringLiteral("\r\n\r\n");
        QCOMPARE(m_install->EventLogText(), expected);
    }

    void eventTexts()
    {
        QCOMPARE(modEventLog::EventText(0), QStringLiteral("Application started"));
        QCOMPARE(modEventLog::EventText(18), QStringLiteral("Today's reservations exported"));
        QCOMPARE(modEventLog::EventText(26), QStringLiteral("Regional settings modified"));
        QCOMPARE(modEventLog::EventText(27), QString());
    }

    void missingTracesFolderIsCreated()
    {
        const QString traces = m_install->Root() + QStringLiteral("/elsewhere/traces/");
        Registry::SetRegistryValue(Settings::Traces, traces);
        modEventLog::InitEventLog(QDate(2026, 1, 2));
        QCOMPARE(modEventLog::LogPath(), traces + QStringLiteral("02012026/events.Log"));
        modEventLog::LogEvent(m_install->clock.now, 1);
        QVERIFY(QFile::exists(modEventLog::LogPath()));
    }

    void unwritableTracesLeaveNoLog()
    {
        // A file where the traces folder should be: the folder cannot be made, nothing is written, nothing fails.
        const QString blocker = m_install->Root() + QStringLiteral("/blocked");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Registry::SetRegistryValue(Settings::Traces, blocker + QStringLiteral("/traces/"));
        modEventLog::InitEventLog(QDate(2026, 1, 2));
        QCOMPARE(modEventLog::LogPath(), QString());
        modEventLog::LogEvent(m_install->clock.now, 1);
    }

    void oldTraceFolders()
    {
        // Run on 12 May 2004: the cutoff is 5 May 2004 00:00.
        QDir traces(m_install->TracesFolder());
        for (const char* name : {"04052004", "05052004", "12052004", "31122003", "notes", "0405200", "40052004",
                                 "04052004.old"})
            QVERIFY(traces.mkdir(QString::fromLatin1(name)));
        const QDateTime now = modFunctions::WallTime(QDate(2004, 5, 12), QTime(17, 45));
        QStringList old = modEventLog::OldTraceFolders(traces.path(), now);
        old.sort();
        QCOMPARE(old, (QStringList{QStringLiteral("04052004"), QStringLiteral("31122003")}));
    }

    void endOfWorkday()
    {
        QDir traces(m_install->TracesFolder());
        QVERIFY(traces.mkdir(QStringLiteral("26112026"))); // today minus 8 days
        QVERIFY(traces.mkdir(QStringLiteral("27112026"))); // today minus 7 days
        QFile readOnly(traces.filePath(QStringLiteral("26112026/events.Log")));
        QVERIFY(readOnly.open(QIODevice::WriteOnly));
        readOnly.close();
        readOnly.setPermissions(QFile::ReadOwner);

        m_install->messages.answers.enqueue(MsgResult::No);
        QCOMPARE(modEventLog::DeleteOldTraces(m_install->messages, m_install->clock.now), 0);
        QVERIFY(traces.exists(QStringLiteral("26112026")));
        QCOMPARE(m_install->messages.calls.last().text, QStringLiteral("Do you want to delete traces older than 7 days?"));
        QCOMPARE(m_install->messages.calls.last().title, QStringLiteral("End of workday"));

        m_install->messages.answers.enqueue(MsgResult::Yes);
        QCOMPARE(modEventLog::DeleteOldTraces(m_install->messages, m_install->clock.now), 1);
        QVERIFY(!traces.exists(QStringLiteral("26112026")));
        QVERIFY(traces.exists(QStringLiteral("27112026")));
        QVERIFY(traces.exists(QStringLiteral("04122026")));
    }

    void traceViewerReading()
    {
        const QString path = m_install->Root() + QStringLiteral("/trace.bin");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("one\ntwo\0three\r\n", 15));
        file.write(QByteArray(3000, 'x'));
        file.close();
        const auto whole = modEventLog::ReadTraceFile(path);
        QVERIFY(whole.ok);
        QVERIFY(!whole.truncated);
        QVERIFY(whole.text.startsWith(QStringLiteral("one\r\ntwo\uFFFDthree\r\n")));
        const auto capped = modEventLog::ReadTraceFile(path, 100);
        QVERIFY(capped.truncated);
        QVERIFY(capped.text.size() < 200);
        QVERIFY(!modEventLog::ReadTraceFile(path + QStringLiteral(".missing")).ok);
    }
};

ZEM_TEST(tst_EventLog)
#include "tst_EventLog.moc"
