#include "common/InstallFixture.h"
#include "core/MessageLog.h"

// The event log and its trace folders, the message log, and the two formatters.
class tst_Logs : public InstallTest
{
    Q_OBJECT

    static QString messageLog() { return QString::fromUtf8(readAll(MessageLog::logPath())); }

private slots:
    void entriesAppendToTheDayFileAndTracesRead()
    {
        const QDateTime when = m_install->clock.current;
        const QString date = u'[' + DateTimes::generalDateText(when) + u']';
        EventLog::logEvent(when, EventLog::CustomerAdded, u"Name: O'Neill"_s);
        EventLog::logEvent(when, EventLog::ApplicationStarted);
        EventLog::logEvent(when, EventLog::MonthReopened + 1, u"no text for 47"_s);
        EventLog::logEvent(when, 48);
        QCOMPARE(logText(), date + u"\r\n[Customer added]\r\nName: O'Neill\r\n\r\n"_s + date +
                                u"\r\n[Application started]\r\n\r\n"_s + date + u"\r\nno text for 47\r\n\r\n"_s + date +
                                u"\r\n\r\n"_s);
        QCOMPARE(EventLog::eventText(EventLog::MonthReopened + 1), QString()); // the staff's last text is the reopening
        // A trace file is read with its line ends made CR LF, a NUL as a replacement character, and capped.
        const QString path = m_install->root() + u"/trace.bin"_s;
        QVERIFY(writeAll(path, QByteArray("one\ntwo\0three\r\n", 15) + QByteArray(3000, 'x')));
        const auto whole = EventLog::readTraceFile(path);
        QVERIFY(whole && !whole->truncated && whole->text.startsWith(u"one\r\ntwo\uFFFDthree\r\n"_s));
        const auto capped = EventLog::readTraceFile(path, 100);
        QVERIFY(capped->truncated && capped->text.size() < 200);
        QCOMPARE(EventLog::readTraceFile(path + u".missing"_s).kind(), FailureKind::File);
    }

    void tracesFolder_data()
    {
        const DataRows<bool> row;
        row("a missing folder is made", false);
        row("a file in the way: no log, nothing fails", true);
    }
    void tracesFolder()
    {
        const bool blocked = fetchRow<bool>();
        const QString traces = m_install->root() + u"/elsewhere/traces/"_s;
        QVERIFY(!blocked || writeAll(m_install->root() + u"/elsewhere"_s, {}));
        Registry::setRegistryValue(Settings::Traces, traces);
        EventLog::initEventLog(QDate(2026, 1, 2));
        EventLog::logEvent(m_install->clock.current, 1);
        QCOMPARE(EventLog::logPath(), blocked ? QString() : traces + u"02012026/events.Log"_s);
        QCOMPARE(QFile::exists(traces + u"02012026/events.Log"_s), !blocked);
    }

    void endOfWorkday()
    {
        // Today is 4 December 2026: the cutoff is 27 November 00:00. Names that are not ddMMyyyy dates stay.
        QDir traces(m_install->tracesFolder());
        for (const char* name :
             {"26112026", "27112026", "31122003", "notes", "2611202", "40112026", "+6112026", "26112026.old"})
            QVERIFY(traces.mkdir(QString::fromLatin1(name)));
        const QString readOnly = traces.filePath(u"26112026/events.Log"_s);
        QVERIFY(writeAll(readOnly, {}) && QFile::setPermissions(readOnly, QFile::ReadOwner));

        QCOMPARE(EventLog::deleteOldTraces(m_install->clock.current).valueOr(-1), 2);
        QCOMPARE(traces.entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({u"+6112026"_s, u"04122026"_s, u"2611202"_s, u"26112026.old"_s, u"27112026"_s,
                              u"40112026"_s, u"notes"_s}));
    }

    void messageLogLinesAndRotation()
    {
        MessageLog::logError(u"MDIMain.FileSelect: Disk full"_s);
        MessageLog::logMessage(MessageLog::Level::Info, u"info"_s);
        const QStringList lines = messageLog().split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(QDateTime::fromString(lines[0].left(19), u"dd/MM/yyyy HH:mm:ss"_s).isValid());
        QCOMPARE(lines[0].mid(19), u" (ERR): MDIMain.FileSelect: Disk full"_s);
        QCOMPARE(lines[1].mid(19), u" (INF): info"_s);

        const QString path = MessageLog::logPath();
        // Exactly at the limit: no rotation.
        QVERIFY(writeAll(path, QByteArray(MessageLog::RotateAboveBytes, 'a')));
        MessageLog::logError(u"first"_s);
        QVERIFY(!QFile::exists(path + u".bak"_s) && QFileInfo(path).size() > MessageLog::RotateAboveBytes);
        // Above it: the file becomes .bak and the line starts a new file.
        MessageLog::logError(u"second"_s);
        QVERIFY(QFile::exists(path + u".bak"_s) && messageLog().endsWith(u" (ERR): second\r\n"_s));
        QCOMPARE(messageLog().count(u"\r\n"_s), 1);
        // A second rotation replaces the old backup instead of silencing the log.
        QVERIFY(writeAll(path, QByteArray(MessageLog::RotateAboveBytes + 1, 'b')));
        MessageLog::logError(u"third"_s);
        QVERIFY(readAll(path + u".bak"_s).startsWith("bbb") && messageLog().endsWith(u" (ERR): third\r\n"_s));
    }
};

ZEM_TEST(tst_Logs)
#include "tst_Logs.moc"
