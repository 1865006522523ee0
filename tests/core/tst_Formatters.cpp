#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/modFunctions.h"
#include "core/modLog.h"

#include <QFile>
#include <QTest>

class tst_Formatters : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    QString MessageLog() const
    {
        QFile file(modLog::LogPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(false); }
    void cleanup() { m_install.reset(); }

    void sprintf_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no conversions") << "Plain text." << QVariantList{} << "Plain text.";
        QTest::newRow("doubled percent") << "100%%" << QVariantList{} << "100%";
        QTest::newRow("new line and text") << "Can't create SPA file%nError:%s" << QVariantList{QStringLiteral("Write error")}
                                          << "Can't create SPA file\r\nError:Write error";
        QTest::newRow("tab and number") << "%d%t%S" << QVariantList{42, QStringLiteral("x")} << "42\tx";
        QTest::newRow("hex") << "%h" << QVariantList{255} << "&HFF";
        QTest::newRow("hex upper letter, negative") << "%H" << QVariantList{-1} << "&HFFFFFFFF";
        QTest::newRow("x is not a conversion") << "%x" << QVariantList{} << "x";
        QTest::newRow("capital N and T are copied") << "%N%T" << QVariantList{} << "NT";
        QTest::newRow("percent at the end") << "50%" << QVariantList{} << "50";
        QTest::newRow("arguments in order") << "%s-%s" << QVariantList{QStringLiteral("a"), QStringLiteral("b")} << "a-b";
    }
    void sprintf()
    {
        QFETCH(QString, format);
        QFETCH(QVariantList, args);
        QFETCH(QString, expected);
        QCOMPARE(modFunctions::Sprintf(format, args), expected);
        QVERIFY(MessageLog().isEmpty());
    }

    void sprintfFailureIsLogged_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariantList>("args");
        QTest::newRow("missing argument") << "%s" << QVariantList{};
        QTest::newRow("second argument missing") << "%s and %s" << QVariantList{QStringLiteral("one")};
        QTest::newRow("hex of text") << "%h" << QVariantList{QStringLiteral("abc")};
    }
    void sprintfFailureIsLogged()
    {
        QFETCH(QString, format);
        QFETCH(QVariantList, args);
        QCOMPARE(modFunctions::Sprintf(format, args), QString());
        const QString log = MessageLog();
        QVERIFY2(log.contains(QStringLiteral(" (ERR): Sprintf: ")), qPrintable(log));
        QVERIFY2(log.trimmed().endsWith(u'[' + format + u']'), qPrintable(log));
    }

    void logFormatter_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hex zero padded") << "%x" << QVariantList{255} << "000000FF";
        QTest::newRow("hex capital") << "%X" << QVariantList{0xABCDEF} << "00ABCDEF";
        QTest::newRow("percent") << "100%%" << QVariantList{} << "100%";
        QTest::newRow("other letter copied") << "%q%n" << QVariantList{} << "qn";
        QTest::newRow("text and number") << "%s=%d" << QVariantList{QStringLiteral("a"), 7} << "a=7";
        QTest::newRow("percent at the end") << "x%" << QVariantList{} << "x";
    }
    void logFormatter()
    {
        QFETCH(QString, format);
        QFETCH(QVariantList, args);
        QFETCH(QString, expected);
        QCOMPARE(modLog::FormatLogMessage(format, args).value_or(QStringLiteral("<none>")), expected);
    }

    void logMessageLine()
    {
        modLog::LogMessage(3, QStringLiteral("%s.FileSelect: %s"), {QStringLiteral("MDIMain"), QStringLiteral("Disk full")});
        modLog::LogMessage(1, QStringLiteral("info"), {});
        const QStringList lines = MessageLog().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(QDateTime::fromString(lines[0].left(19), QStringLiteral("dd/MM/yyyy HH:mm:ss")).isValid());
        QCOMPARE(lines[0].mid(19), QStringLiteral(" (ERR): MDIMain.FileSelect: Disk full"));
        QCOMPARE(lines[1].mid(19), QStringLiteral(" (INF): info"));
        // A missing argument writes nothing.
        modLog::LogMessage(3, QStringLiteral("%s %s"), {QStringLiteral("one")});
        QCOMPARE(MessageLog().count(QStringLiteral("\r\n")), 2);
    }

    void rotation()
    {
        const QString path = modLog::LogPath();
        auto fill = [&](qint64 bytes, char c) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(bytes, c));
        };
        // Exactly at the limit: no rotation.
        fill(modLog::RotateAboveBytes, 'a');
        modLog::LogMessage(3, QStringLiteral("first"), {});
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
        QVERIFY(QFileInfo(path).size() > modLog::RotateAboveBytes);
        // Above it: the file becomes .bak and the line starts a new file.
        modLog::LogMessage(3, QStringLiteral("second"), {});
        QVERIFY(QFile::exists(path + QStringLiteral(".bak")));
        QVERIFY(MessageLog().endsWith(QStringLiteral(" (ERR): second\r\n")));
        QCOMPARE(MessageLog().count(QStringLiteral("\r\n")), 1);
        // A second rotation replaces the old backup instead of silencing the log.
        fill(modLog::RotateAboveBytes + 1, 'b');
        modLog::LogMessage(3, QStringLiteral("third"), {});
        QFile bak(path + QStringLiteral(".bak"));
        QVERIFY(bak.open(QIODevice::ReadOnly));
        QVERIFY(bak.readAll().startsWith("bbb"));
        QVERIFY(MessageLog().endsWith(QStringLiteral(" (ERR): third\r\n")));
    }
};

ZEM_TEST(tst_Formatters)
#include "tst_Formatters.moc"
