#include "common/TestSupport.h"
#include "core/Dialect.h"
#include "outputs/WebBookMenu.h"
#include "outputs/WebBookSettings.h"
#include "outputs/WebBookWizard.h"
#include "shell/MainWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

// The web booking wizard and the page it writes. The page is read back by tools nobody here wrote: tidy checks
// the HTML, and Python's html.parser lists the form's fields, which must be those the form-mail service reads.
class tst_WebBook : public InstallTest
{
    Q_OBJECT

    QString pagePath() const { return m_install->root() + u"/page.html"_s; }

    std::unique_ptr<WebBookWizard> open()
    {
        auto wizard = std::make_unique<WebBookWizard>(m_install->services);
        if (!showActive(*wizard))
            qWarning("the wizard did not become active");
        return wizard;
    }
    static void enter(WebBookWizard& wizard, const QString& email, int provider, const QString& custom)
    {
        click(wizard, "cmdNext");
        type(wizard, "txtWebBookingEmail", email);
        click(wizard, "cmdNext");
        control<QComboBox>(wizard, "cboProvider")->setCurrentIndex(1);
        type(wizard, "txtCustomProvider", custom);
        control<QComboBox>(wizard, "cboProvider")->setCurrentIndex(provider);
        click(wizard, "cmdNext");
    }

    /// The page's charset, title, form and fields as Python's html.parser reads them.
    static QStringList formFields(const QString& path)
    {
        QProcess python;
        python.start(QStringLiteral(ZEM_PYTHON), {QStringLiteral(ZEM_FORM_FIELDS), path});
        if (!python.waitForFinished(30000) || python.exitCode() != 0)
            return {u"python3 failed: "_s + QString::fromUtf8(python.readAllStandardError())};
        QStringList lines;
        for (const QJsonValue& line : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
            lines << line.toString();
        return lines;
    }
    static QStringList expectedFields(const QString& action, const QString& email)
    {
        QStringList days, months;
        for (int day = 1; day <= 31; ++day)
            days << u"%1:%2"_s.arg(day, 2, 10, QChar(u'0')).arg(day);
        for (int month = 1; month <= 12; ++month)
            months << u"%1:%2"_s.arg(month, 2, 10, QChar(u'0')).arg(QLocale::c().standaloneMonthName(month));
        // The clock stands in 2026: the years run from it.
        const QString years = u"2026:2026 2027:2027 2028:2028"_s;
        QStringList fields = {u"charset utf-8"_s, u"title Online Booking Form"_s, u"form post "_s + action,
                              u"hidden your_email_address="_s + email, u"hidden your_name="_s + email};
        fields << u"hidden email_subject_line=Online Booking Request"_s
               << u"hidden required_fields=your_email_address"_s
               << u"hidden thank_you_title=Thank you for your booking"_s << u"hidden return_link_url="_s
               << u"hidden return_link_name=Go Back"_s << u"hidden background_color=#FFFFFF"_s
               << u"hidden text_color=#000000"_s << u"hidden link_color=#0000FF"_s
               << u"hidden visited_link_color=#8000FF"_s << u"hidden active_link_color=#0000FF"_s;
        for (const QString& when : {u"arrive"_s, u"departure"_s})
            fields << u"select %1_day "_s.arg(when) + days.join(u' ')
                   << u"select %1_month "_s.arg(when) + months.join(u' ') << u"select %1_year "_s.arg(when) + years;
        fields << u"text visitor_name= size=50"_s << u"text visitor_email_address= size=50"_s
               << u"textarea Comment 5x50"_s << u"submit Submit=Submit"_s << u"reset =Reset"_s;
        return fields;
    }

private slots:
    void finishStoresEveryRowAndLogs()
    {
        QVERIFY(m_install->exec(u"INSERT INTO Settings (WebBookingEmail) VALUES ('second@row')"_s));
        auto wizard = open();
        QCOMPARE(control(*wizard, "txtWebBookingEmail")->text(), QString());
        enter(*wizard, u"o'brien@harbour.example"_s, 1, u"https://forms.example/mail?a=1&b='2'"_s);
        m_install->messages.answers.enqueue(MsgResult::No);
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        const Dialect& dialect = Dialect::of(m_install->db());
        const QString row = u"WebBookingEmail || '|' || CAST(WebBookingProviderIndex AS TEXT) || '|' || "
                            u"WebBookingProviderCustom"_s;
        QCOMPARE(m_install->text(u"SELECT "_s + dialect.joinTexts(row, u";"_s, dialect.insertOrder({})) +
                                 u" FROM Settings"_s),
                 u"o'brien@harbour.example|1|https://forms.example/mail?a=1&b='2';"
                 u"o'brien@harbour.example|1|https://forms.example/mail?a=1&b='2'"_s);
        QCOMPARE(m_install->eventLogText(),
                 entry(*m_install, EventLog::SettingsModified,
                       u"Web Booking Email: 'o'brien@harbour.example', Web Booking Provider: Custom..., Web Booking "
                       u"Custom Provider: 'https://forms.example/mail?a=1&b='2''"_s));
        QCOMPARE(m_install->messages.said(),
                 u"Web Booking Configuration Wizard: Would you like to create a booking web page now?"_s);
        QCOMPARE(m_install->files.calls.size(), 0);
    }

    void pageFromTheWizard_data()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<QString>("endpointSetting");
        QTest::addColumn<QString>("action");
        const QString custom = u"https://forms.example/cgi-bin/mail?to=desk&lang=en"_s;
        QTest::newRow("custom provider") << 1 << QString() << custom;
        QTest::newRow("default provider, custom box filled")
            << 0 << QString() << Settings::WebBookFormMailUrl.defaultValue;
        QTest::newRow("default provider moved")
            << 0 << u"https://mail.example.net/cgi-bin/rom.pl"_s << u"https://mail.example.net/cgi-bin/rom.pl"_s;
    }
    void pageFromTheWizard()
    {
        QFETCH(int, provider);
        QFETCH(QString, endpointSetting);
        QFETCH(QString, action);
        if (!endpointSetting.isEmpty())
            Registry::setRegistryValue(Settings::WebBookFormMailUrl, endpointSetting);
        // Markup in the address must come back as the same text, not as markup.
        const QString email = u"bookings&co\"<b>@harbour.example"_s;
        auto wizard = open();
        enter(*wizard, email, provider, u"https://forms.example/cgi-bin/mail?to=desk&lang=en"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        m_install->files.answers.enqueue(pagePath());
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());

        QCOMPARE(m_install->files.calls.size(), 1);
        const FileRequest request = m_install->files.calls.first();
        QCOMPARE(request.title, u"Save Web Book as..."_s);
        QVERIFY(request.save);
        QCOMPARE(request.defaultSuffix, u"html"_s);
        QCOMPARE(formFields(pagePath()), expectedFields(action, email));

        QFile page(pagePath());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray bytes = page.readAll();
        QVERIFY(!bytes.contains("{ACTION}") && !bytes.contains("{YOUREMAIL}"));
        QProcess tidy;
        tidy.start(u"tidy"_s, {u"-errors"_s, u"-quiet"_s, pagePath()});
        QVERIFY2(tidy.waitForFinished(30000), "tidy is missing: tools/ensure-packages.sh installs it");
        QCOMPARE(QString::fromUtf8(tidy.readAllStandardError()), QString());
        QCOMPARE(tidy.exitCode(), 0);
    }

    void emptySettingsTable()
    {
        QVERIFY(m_install->exec(u"DELETE FROM Settings"_s));
        auto wizard = open();
        QCOMPARE(control(*wizard, "txtWebBookingEmail")->text(), QString());
        QCOMPARE(control<QComboBox>(*wizard, "cboProvider")->currentText(), u"Response-o-Matic (default)"_s);
        QCOMPARE(control(*wizard, "txtCustomProvider")->text(), QString());
        enter(*wizard, u"a@b.example"_s, 0, QString());
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Settings"_s), 0);
        QVERIFY(m_install->eventLogText().contains(u"[Settings modified]\r\nWeb Booking Email: 'a@b.example'"_s));
    }

    void createPageFromTheMenu_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("answer"); // the file dialog's answer; "" = cancelled
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("written");
        const QString error = u"Error: Can't generate Webbook:\r\n"_s;
        const QString page = u"page.html"_s, none;
        QTest::newRow("no settings row") << u"DELETE FROM Settings"_s << page << error << false;
        QTest::newRow("no address stored")
            << u"UPDATE Settings SET WebBookingEmail = NULL"_s << page
            << error + u"No value is stored for WebBookingEmail. Configure the web bookings first."_s << false;
        QTest::newRow("folder missing") << none << u"missing/page.html"_s << u"Error: Can't save HTML file:\r\n"_s
                                        << false;
        QTest::newRow("cancelled") << none << none << none << false;
        QTest::newRow("written") << none << page << none << true;
    }
    void createPageFromTheMenu()
    {
        QFETCH(QString, setup);
        QFETCH(QString, answer);
        QFETCH(QString, said);
        QFETCH(bool, written);
        QVERIFY(m_install->exec(u"UPDATE Settings SET WebBookingEmail = 'desk@harbour.example', "
                                u"WebBookingProviderIndex = 0, WebBookingProviderCustom = NULL"_s));
        if (!setup.isEmpty())
            QVERIFY(m_install->exec(setup));
        m_install->files.answers.enqueue(answer.isEmpty() ? QString() : m_install->root() + u'/' + answer);
        MainWindow main(m_install->services);
        main.menuItem(u"mnuWebBookCreatePage"_s)->trigger();
        // The description after the line break is the system's own for a failed save.
        const QString shown = m_install->messages.said();
        QVERIFY2(said.isEmpty() ? shown.isEmpty() : shown.startsWith(said), qPrintable(shown));
        QCOMPARE(QFile::exists(pagePath()), written);
        if (written)
            QCOMPARE(formFields(pagePath()).mid(2, 3),
                     (QStringList{u"form post "_s + Settings::WebBookFormMailUrl.defaultValue,
                                  u"hidden your_email_address=desk@harbour.example"_s,
                                  u"hidden your_name=desk@harbour.example"_s}));
        QCOMPARE(m_install->eventLogText(), QString());
    }

    void missingTemplate()
    {
        QVERIFY(!WebBookMenu::createPage(m_install->services, u"x"_s, u"y"_s, u":/outputs/missing.html"_s));
        QCOMPARE(m_install->messages.said(), u"Error: Invalid HTML resource"_s);
        QCOMPARE(m_install->files.calls.size(), 0);
    }

    void changedElsewhereIsNotOverwritten()
    {
        auto wizard = open();
        enter(*wizard, u"mine@harbour.example"_s, 0, QString());
        QVERIFY(m_install->exec(u"UPDATE Settings SET WebBookingEmail = 'other@harbour.example'"_s));
        click(*wizard, "cmdNext");
        QVERIFY(wizard->isVisible());
        QVERIFY2(m_install->messages.said().contains(u"Booking email address: now 'other@harbour.example', was ''"_s),
                 qPrintable(m_install->messages.said()));
        QCOMPARE(m_install->text(u"SELECT WebBookingEmail FROM Settings"_s), u"other@harbour.example"_s);
        QCOMPARE(m_install->eventLogText(), QString());
        // Told, the user may store their own entries over the other desk's.
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(m_install->text(u"SELECT WebBookingEmail FROM Settings"_s), u"mine@harbour.example"_s);
        QVERIFY(!m_install->eventLogText().isEmpty());
    }
};

ZEM_TEST(tst_WebBook)
#include "tst_WebBook.moc"
