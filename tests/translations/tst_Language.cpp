#include "common/TestSupport.h"
#include "core/DateTimes.h"
#include "core/Languages.h"
#include "core/MessageLog.h"
#include "core/Money.h"
#include "core/RegionalSettings.h"
#include "core/Registry.h"
#include "shell/RegionalSettingsDialog.h"
#include "shell/Startup.h"

#include <QFile>
#include <QLocale>
#include <QProcess>

namespace {
// A translation of one text, compiled by lrelease as the build compiles the program's.
bool writeTranslation(const QString& folder, const QString& code)
{
    const QString ts = folder + u"/zemharbour_"_s + code + u".ts"_s;
    QFile file(ts);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" "
                              "language=\"%1\"><context><name>RegionalSettingsDialog</name><message><source>Regional "
                              "Settings</source><translation>Regionale Einstellungen</translation></message>"
                              "</context></TS>")
                   .arg(code)
                   .toUtf8());
    file.close();
    return QProcess::execute(QStringLiteral(ZEM_LRELEASE), {u"-silent"_s, ts, u"-qm"_s, Languages::fileOf(code)}) == 0;
}

QString logged()
{
    QFile log(MessageLog::logPath());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
} // namespace

// The interface's language: chosen in Regional Settings, put in place at start-up, English whenever the chosen
// one cannot be had, and never a change to how dates and amounts look.
class tst_Language : public InstallTest
{
    Q_OBJECT

    void tearDown() override { Languages::installInterface(u"en"_s); }

private slots:
    void choiceFromTheSetting_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("problem");
        QTest::newRow("none stored: the machine's") << QString() << Languages::machineDefault() << false;
        QTest::newRow("German") << u"de"_s << u"de"_s << false;
        QTest::newRow("typed by hand") << u" ES "_s << u"es"_s << false;
        QTest::newRow("English") << u"en"_s << u"en"_s << false;
        QTest::newRow("not ours") << u"pt"_s << u"en"_s << true;
        QTest::newRow("a locale, not a code") << u"de_DE"_s << u"en"_s << true;
    }
    void choiceFromTheSetting()
    {
        QFETCH(QString, stored);
        QFETCH(QString, code);
        QFETCH(bool, problem);
        const Languages::Choice choice = Languages::interfaceChoice(stored);
        QCOMPARE(choice.code, code);
        QCOMPARE(!choice.problem.isEmpty(), problem);
        if (problem)
            QVERIFY2(choice.problem.contains(stored), qPrintable(choice.problem));
        Registry::setRegistryValue(Settings::Language, stored);
        QCOMPARE(RegionalSettings::load().language, code);
    }

    // Each language once a run: a translation, once loaded, is kept for the run.
    void startUpInstallsOrFallsBack_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("file"); // "built", or the bytes written; null: no file
        QTest::addColumn<QString>("speaks");
        QTest::addColumn<QString>("logSays");
        QTest::newRow("built") << u"de"_s << QByteArray("built") << u"de"_s << u"Qt's translation file"_s;
        QTest::newRow("missing") << u"nl"_s << QByteArray() << u"en"_s << u"is missing"_s;
        QTest::newRow("damaged") << u"fr"_s << QByteArray("not a translation at all") << u"en"_s << u"damaged"_s;
        QTest::newRow("empty") << u"it"_s << QByteArray("") << u"en"_s << u"damaged"_s;
        QTest::newRow("no such language") << u"xx"_s << QByteArray() << u"en"_s << u"names no language"_s;
    }
    void startUpInstallsOrFallsBack()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, file);
        QFETCH(QString, speaks);
        QFETCH(QString, logSays);
        QVERIFY(QDir().mkpath(Languages::folder()));
        if (file == "built") {
            QVERIFY(writeTranslation(Languages::folder(), code));
        } else if (!file.isNull()) {
            QFile damaged(Languages::fileOf(code));
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(file);
        }
        Registry::setRegistryValue(Settings::Language, code);
        QCOMPARE(Startup::installLanguage(), speaks);
        QCOMPARE(Languages::interfaceLanguage(), speaks);
        const QString translated = QCoreApplication::translate("RegionalSettingsDialog", "Regional Settings");
        QCOMPARE(translated, speaks == u"de"_s ? u"Regionale Einstellungen"_s : u"Regional Settings"_s);
        RegionalSettingsDialog window(m_install->services);
        QCOMPARE(window.windowTitle(), translated);
        // Qt's own file is there on a machine with its translations installed; where it is not, the log says so.
        if (speaks == u"en"_s || !QFile::exists(Languages::qtFileOf(code)))
            QVERIFY2(logged().contains(logSays), qPrintable(logged()));
        if (speaks == u"en"_s)
            QVERIFY2(logged().contains(u"language: "_s), qPrintable(logged()));
    }

    // The interface's language is words and day and month names only: dates, amounts, the decimal point and the
    // currency symbol stay the office's (Regional Settings), not the translation's country's.
    void officeStyleUnderAnotherLanguage()
    {
        QVERIFY(QDir().mkpath(Languages::folder()));
        QVERIFY(writeTranslation(Languages::folder(), u"es"_s));
        RegionalSettings values = RegionalSettings::load();
        values.currencySymbol = u"£"_s;
        values.dateStyle = DateTimes::DateStyle::MonthDayYear;
        values.save();
        values.apply();
        const QDate day(2026, 12, 31);
        const Money amount = Money::fromPence(123456);
        const QString before =
            DateTimes::dateText(day) + u' ' + amount.formatGrouped() + u' ' + QLocale().decimalPoint();
        Registry::setRegistryValue(Settings::Language, u"es"_s);
        QCOMPARE(Startup::installLanguage(), u"es"_s);
        RegionalSettings::load().apply();
        const QString after =
            DateTimes::dateText(day) + u' ' + amount.formatGrouped() + u' ' + QLocale().decimalPoint();
        QCOMPARE(after, before);
        QVERIFY2(after.startsWith(u"12/31/2026 £1,234.56"_s), qPrintable(after));
        QCOMPARE(DateTimes::namesLocale().dayName(4), u"jueves"_s);
        QCOMPARE(DateTimes::weekdayDateText(day).section(u' ', 1), u"12/31/2026"_s);
        // Back in English, the names are too.
        Languages::installInterface(u"en"_s);
        QCOMPARE(DateTimes::weekdayDateText(day), u"Thu 12/31/2026"_s);
    }

    // Each language listed by its own name; the note shows while the choice is not the running language; OK keeps
    // the choice and the event's description stays as it was.
    void regionalSettingsChoosesTheLanguage()
    {
        Registry::setRegistryValue(Settings::Language, u"pt"_s); // not ours: shown as the English it runs in
        RegionalSettingsDialog window(m_install->services);
        auto* languages = control<QComboBox>(window, u"cboLanguage");
        auto* note = control<QLabel>(window, u"lblLanguageNote");
        QCOMPARE(languages->count(), Languages::all().size());
        QCOMPARE(languages->itemText(languages->findData(u"de"_s)), u"Deutsch"_s);
        QCOMPARE(languages->itemText(languages->findData(u"fr"_s)), u"Français"_s);
        QCOMPARE(languages->currentData().toString(), u"en"_s);
        QVERIFY(!note->isVisibleTo(&window));
        languages->setCurrentIndex(languages->findData(u"nl"_s));
        QVERIFY(note->isVisibleTo(&window));
        languages->setCurrentIndex(languages->findData(u"en"_s));
        QVERIFY(!note->isVisibleTo(&window));
        languages->setCurrentIndex(languages->findData(u"it"_s));
        click(window, u"cmdOK");
        QCOMPARE(Registry::getRegistryValue(Settings::Language), u"it"_s);
        QVERIFY2(logText().contains(u"Postcode: 0, Currency Symbol: "_s), qPrintable(logText()));
        RegionalSettingsDialog again(m_install->services);
        QCOMPARE(control<QComboBox>(again, u"cboLanguage")->currentData().toString(), u"it"_s);
        QVERIFY(control<QLabel>(again, u"lblLanguageNote")->isVisibleTo(&again));
    }
};

ZEM_TEST_SQLITE_ONLY(tst_Language)
#include "tst_Language.moc"
