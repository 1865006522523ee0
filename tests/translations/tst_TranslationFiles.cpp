#include "TsChecks.h"
#include "common/TestSupport.h"
#include "core/Languages.h"

#include <QProcess>
#include <QTemporaryDir>

using TsChecks::Message;
Q_DECLARE_METATYPE(TsChecks::Message)

// The translation files as the translators leave them: every text of the program there, finished, with its
// placeholders, accelerator, spacing and plural forms, read without a screen. ZEM_TS_FOLDER names another folder
// of .ts files to check (a translator's work in progress).
class tst_TranslationFiles : public QObject
{
    Q_OBJECT
    TsChecks::File m_sources;

private slots:
    // The texts the program has now, read from the sources as check-translations.sh reads them.
    void initTestCase()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString ts = scratch.filePath(u"sources.ts"_s);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(ZEM_SOURCE_DIR));
        lupdate.start(QStringLiteral(ZEM_LUPDATE),
                      {u"-silent"_s, u"-recursive"_s, u"src"_s, u"-I"_s, u"src"_s, u"-extensions"_s, u"cpp,h"_s,
                       u"-no-obsolete"_s, u"-locations"_s, u"none"_s, u"-ts"_s, ts});
        QVERIFY(lupdate.waitForFinished(240000));
        QCOMPARE(lupdate.exitCode(), 0);
        const Result<TsChecks::File> read = TsChecks::read(ts);
        QVERIFY2(read, qPrintable(read.error()));
        m_sources = *read;
        QVERIFY(m_sources.messages.size() > 1000);
    }

    // The checker itself, on one message at a time: each fault a translation can bring, and the spellings that
    // are right.
    void checkerFindsFaults_data()
    {
        QTest::addColumn<Message>("message");
        QTest::addColumn<QString>("fault"); // "" for none
        const auto one = [](const QString& source, const QString& translation, const QString& type = {}) {
            return Message{u"Ctx"_s, source, {}, false, type, {translation}};
        };
        const auto plural = [](const QString& source, const QStringList& forms) {
            return Message{u"Ctx"_s, source, {}, true, {}, forms};
        };
        QTest::newRow("right") << one(u"&Save %1"_s, u"%1 &speichern"_s) << QString();
        QTest::newRow("unfinished") << one(u"Save"_s, u"Speichern"_s, u"unfinished"_s) << u"unfinished"_s;
        QTest::newRow("vanished passes") << one(u"Old"_s, QString(), u"vanished"_s) << QString();
        QTest::newRow("empty") << one(u"Save"_s, u" "_s) << u"empty"_s;
        QTest::newRow("%1 dropped") << one(u"From %1 to %2"_s, u"Bis %2"_s) << u"%1 appears 0 times, not 1"_s;
        QTest::newRow("%2 doubled") << one(u"From %1 to %2"_s, u"Von %1 bis %2 (%2)"_s)
                                    << u"%2 appears 2 times, not 1"_s;
        QTest::newRow("%10 is not %1") << one(u"%10"_s, u"%1"_s) << u"%1 appears 1 times, not 0"_s;
        QTest::newRow("%L1 counts as %1") << one(u"%L1 nights"_s, u"%1 Nächte"_s) << QString();
        QTest::newRow("accelerator lost") << one(u"&Print"_s, u"Drucken"_s) << u"accelerator (&) is lost"_s;
        QTest::newRow("accelerator added")
            << one(u"Payment and invoice"_s, u"Zahlung &Rechnung"_s) << u"single & makes an accelerator"_s;
        QTest::newRow("&& kept") << one(u"Terms && conditions"_s, u"AGB && Bedingungen"_s) << QString();
        QTest::newRow("&& lost") << one(u"Terms && &conditions"_s, u"AGB und &Bedingungen"_s)
                                 << u"&& (an ampersand) appears 0 times, not 1"_s;
        QTest::newRow("trailing space lost") << one(u"Name: "_s, u"Name:"_s) << u"leading or trailing"_s;
        QTest::newRow("leading break lost") << one(u"\nTotal"_s, u"Summe"_s) << u"leading or trailing"_s;
        QTest::newRow("line break lost") << one(u"Saved.\n\nPrint?"_s, u"Gespeichert. Drucken?"_s)
                                         << u"0 line breaks, not 2"_s;
        QTest::newRow("plural right") << plural(u"%n night(s)"_s, {u"%n Nacht"_s, u"%n Nächte"_s}) << QString();
        QTest::newRow("plural short") << plural(u"%n night(s)"_s, {u"%n Nächte"_s}) << u"1 plural forms, not 2"_s;
        QTest::newRow("plural %n lost") << plural(u"%n night(s)"_s, {u"eine Nacht"_s, u"%n Nächte"_s})
                                        << u"(form 1): %n appears 0 times, not 1"_s;
    }
    void checkerFindsFaults()
    {
        QFETCH(Message, message);
        QFETCH(QString, fault);
        const QStringList faults = TsChecks::faultsOf(message, 2);
        if (fault.isEmpty()) {
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        } else {
            const QString all = faults.join(u'\n');
            QVERIFY2(all.contains(fault), qPrintable(all));
            for (const QString& one : faults)
                QVERIFY2(one.startsWith(u"Ctx: \""_s + message.source), qPrintable(one));
        }
    }

    // A text of the sources the file lacks is named; a language without a plural rule is too.
    void checkerFindsMissingTexts()
    {
        const TsChecks::File sources{
            u"en"_s,
            {Message{u"A"_s, u"One"_s, {}, false, {}, {}}, Message{u"B"_s, u"Two"_s, u"hint"_s, false, {}, {}}}};
        TsChecks::File translated{u"de"_s,
                                  {Message{u"A"_s, u"One"_s, {}, false, {}, {u"Eins"_s}},
                                   Message{u"B"_s, u"Two"_s, {}, false, {}, {u"Zwei"_s}}}};
        QCOMPARE(TsChecks::faultsOf(translated, sources),
                 QStringList{u"B: \"Two\": missing from the translation file"_s});
        translated.messages[1].comment = u"hint"_s;
        QVERIFY(TsChecks::faultsOf(translated, sources).isEmpty());
        translated.language = u"xx"_s;
        QCOMPARE(TsChecks::faultsOf(translated, sources).size(), 1);
    }

    void everyLanguageIsComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const Languages::Language& language : Languages::all())
            if (language.code != u"en"_s)
                QTest::newRow(qPrintable(language.name)) << language.code;
    }
    void everyLanguageIsComplete()
    {
        QFETCH(QString, code);
        const QString folder = qEnvironmentVariableIsSet("ZEM_TS_FOLDER") ? qEnvironmentVariable("ZEM_TS_FOLDER")
                                                                          : QStringLiteral(ZEM_TS_FOLDER);
        const Result<TsChecks::File> read = TsChecks::read(folder + u"/zemharbour_"_s + code + u".ts"_s);
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->language, code);
        const QStringList faults = TsChecks::faultsOf(*read, m_sources);
        // The first faults by name, and how many there are: enough to act on without drowning the log.
        QVERIFY2(faults.isEmpty(), qPrintable(u"%1: %2 faults, the first:\n"_s.arg(code).arg(faults.size()) +
                                              faults.mid(0, 40).join(u'\n')));
    }
};

ZEM_TEST_SQLITE_ONLY(tst_TranslationFiles)
#include "tst_TranslationFiles.moc"
