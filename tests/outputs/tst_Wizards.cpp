#include "common/TestSupport.h"
#include "outputs/MailingListWizard.h"
#include "outputs/WebBookMenu.h"
#include "outputs/WebBookSettings.h"
#include "outputs/WebBookWizard.h"
#include "shell/MainWindow.h"

#include <QJsonDocument>

// The web booking and mailing-list wizards. What they share: the welcome flag decides the first step and is written
// only when its box changed; Back, Next and Finish; and the main window's items that open them. The mailing list
// they write (one CR LF line of addresses) and the file names refused: a blank one, and one that cannot be written,
// which keeps the wizard open with Browse offered and nothing logged. The web booking page is read back by tools
// nobody here wrote: tidy checks the HTML, and Python's html.parser lists the form's fields, which must be those the
// form-mail service reads.
class tst_Wizards : public InstallTest
{
    Q_OBJECT

    QString listPath() const { return m_install->root() + u"/maillist.txt"_s; }
    QString pagePath() const { return m_install->root() + u"/page.html"_s; }

    template <typename Wizard> std::unique_ptr<Wizard> open()
    {
        auto wizard = std::make_unique<Wizard>(m_install->services);
        if (!showActive(*wizard))
            qWarning("the wizard did not become active");
        return wizard;
    }
    /// The mailing-list wizard on its last step, with fileName typed.
    std::unique_ptr<MailingListWizard> openOnLastStep(const QString& fileName)
    {
        auto wizard = open<MailingListWizard>();
        click(*wizard, "cmdNext");
        type(*wizard, "txtFileName", fileName);
        click(*wizard, "cmdNext");
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
        return QJsonDocument::fromJson(python.readAllStandardOutput()).toVariant().toStringList();
    }
    static QStringList expectedFields(const QString& action, const QString& email)
    {
        QStringList days, months;
        for (int day = 1; day <= 31; ++day)
            days << u"%1:%2"_s.arg(day, 2, 10, QChar(u'0')).arg(day);
        for (int month = 1; month <= 12; ++month)
            months << u"%1:%2"_s.arg(month, 2, 10, QChar(u'0')).arg(QLocale::c().standaloneMonthName(month));
        QStringList fields = {u"charset utf-8"_s, u"title Online Booking Form"_s, u"form post "_s + action,
                              // Which page's language a request was written from.
                              u"hidden language=en"_s, u"hidden your_email_address="_s + email,
                              u"hidden your_name="_s + email};
        fields << u"hidden email_subject_line=Online Booking Request|hidden required_fields=your_email_address|hidden "
                  u"thank_you_title=Thank you for your booking|hidden return_link_url=|hidden return_link_name=Go Back|"
                  u"hidden background_color=#FFFFFF|hidden text_color=#000000|hidden link_color=#0000FF|hidden "
                  u"visited_link_color=#8000FF|hidden active_link_color=#0000FF"_s.split(u'|');
        // The clock stands in 2026: the years run from it.
        for (const QString& when : {u"arrive"_s, u"departure"_s})
            fields << u"select %1_day "_s.arg(when) + days.join(u' ')
                   << u"select %1_month "_s.arg(when) + months.join(u' ')
                   << u"select %1_year 2026:2026 2027:2027 2028:2028"_s.arg(when);
        return fields << u"text visitor_name= size=50"_s << u"text visitor_email_address= size=50"_s
                      << u"textarea Comment 5x50"_s << u"submit Submit=Submit"_s
                      << u"reset =Reset"_s
                      // Beside the form, not sent with it: the boat's size for the free berths shown.
                      << u"number ="_s << u"number ="_s << u"number ="_s;
    }

    using WelcomeRow = std::tuple<QString, QString, bool, QString>;
    using PageRow = std::tuple<int, QString, QString>;
    using CreateRow = std::tuple<QString, QString, QString>;
    using OpensRow = std::tuple<QString, QString>;
    using WritesRow = std::tuple<QString, QByteArray>;

private slots:
    void welcomeFlag_data()
    {
        // flag: "" = absent
        // stored: "absent" = never written; "cancelled": Cancel on the last step
        const DataRows<WelcomeRow> row;
        for (const char* name : {"web", "mail"}) {
            const QString kind = QString::fromLatin1(name);
            QTest::addRow("%s: no flag, untouched", name) << WelcomeRow(kind, u""_s, false, u"absent"_s);
            QTest::addRow("%s: no flag, cleared", name) << WelcomeRow(kind, u""_s, true, u"1"_s);
            QTest::addRow("%s: cleared, cancelled", name) << WelcomeRow(kind, u""_s, true, u"cancelled"_s);
            QTest::addRow("%s: flag 1, untouched", name) << WelcomeRow(kind, u"1"_s, false, u"1"_s);
            QTest::addRow("%s: flag 1, ticked", name) << WelcomeRow(kind, u"1"_s, true, u"0"_s);
        }
    }
    void welcomeFlag()
    {
        const auto& [kind, flag, toggle, stored] = fetchRow<WelcomeRow>();
        const QStringList captions =
            kind == u"web"
                ? QStringList{u"Web Booking Configuration Wizard"_s, u"Enter your email booking address"_s,
                              u"Choose your email provider"_s, u"Enter Your Room Information"_s}
                : QStringList{u"Email Mailing List Wizard"_s, u"Enter the Mailing List filename"_s, u"Finished"_s};
        const QString setting = kind == u"web" ? Settings::WebBookWelcome : Settings::MailListWelcome;
        if (!flag.isEmpty())
            Registry::setRegistryValue(setting, flag);
        auto wizard = kind == u"web" ? std::unique_ptr<StepWizard>(open<WebBookWizard>())
                                     : std::unique_ptr<StepWizard>(open<MailingListWizard>());
        auto* back = control<QPushButton>(*wizard, "cmdBack");
        auto* next = control<QPushButton>(*wizard, "cmdNext");
        auto* welcome = control<QCheckBox>(*wizard, "chkWelcome");
        QCOMPARE(wizard->currentStep(), flag == u"1" ? 1 : 0);
        QCOMPARE(welcome->isChecked(), flag != u"1");
        // Back reaches the welcome step even when the wizard opened past it, and hides itself there.
        if (wizard->currentStep() == 1) {
            QVERIFY(back->isVisible());
            click(*wizard, "cmdBack");
        }
        QCOMPARE(wizard->currentStep(), 0);
        QVERIFY(back->isHidden() && control<QWidget>(*wizard, "fraStep0")->isVisible());
        if (toggle)
            welcome->setChecked(!welcome->isChecked());
        QCOMPARE(Registry::getRegistryValue(setting, u"absent"_s), flag.isEmpty() ? u"absent"_s : flag);

        const QString list = m_install->root() + u"/list.txt"_s;
        const char* box = kind == u"web" ? "txtWebBookingEmail" : "txtFileName";
        for (int step = 0; step < captions.size(); ++step) {
            QCOMPARE(wizard->currentStep(), step);
            QCOMPARE(wizard->windowTitle(), captions[step]);
            QCOMPARE(next->text(), step == captions.size() - 1 ? u"&Finish"_s : u"&Next"_s);
            // Step 1 of either is the box to fill in, with the focus: the file name, the booking address.
            if (step == 1) {
                QTRY_VERIFY(control<QWidget>(*wizard, box)->hasFocus());
                type(*wizard, box, kind == u"web" ? u"desk@harbour.example"_s : list);
            }
            const bool cancel = stored == u"cancelled" && step == captions.size() - 1;
            click(*wizard, cancel ? "cmdCancel" : "cmdNext");
        }
        QVERIFY(!wizard->isVisible());
        if (stored == u"cancelled") {
            QCOMPARE(Registry::getRegistryValue(setting, u"absent"_s), u"absent"_s);
            QVERIFY(!QFile::exists(list));
            QCOMPARE(m_install->text(u"SELECT WebBookingEmail FROM Settings"_s), QString());
            QCOMPARE(logText(), QString());
            return;
        }
        QCOMPARE(wizard->result(), int(QDialog::Accepted));
        QCOMPARE(Registry::getRegistryValue(setting, u"absent"_s), stored);
    }

    void mainWindowOpensTheWizards_data()
    {
        const DataRows<OpensRow> row;
        row("menu: configure", {u"mnuWebBookConfigure"_s, u"frmWizardWebBook"_s});
        row("toolbar: Web Bookings", {u"tbrWebBookings"_s, u"frmWizardWebBook"_s});
        row("menu: mailing list", {u"mnuCustomersMailingListWizard"_s, u"frmWizardMailList"_s});
    }
    void mainWindowOpensTheWizards()
    {
        const auto& [item, window] = fetchRow<OpensRow>();
        MainWindow main(m_install->services);
        QVERIFY(showActive(main));
        QAction* action = main.menuItem(item);
        QVERIFY(action && action->isEnabled());
        QString opened;
        onNextModal([&opened](QDialog* dialog) { opened = dialog->objectName(); });
        action->trigger();
        QCOMPARE(opened, window);
    }

    void writesOneLine_data()
    {
        // addresses: VALUES rows for Customer (Name, EmailAddress)
        const DataRows<WritesRow> row;
        row("a, b, c; Null and empty left out",
            {u"('1', 'a'), ('2', NULL), ('3', ''), ('4', 'b'), ('5', 'c')"_s, QByteArray("a, b, c\r\n")});
        row("no addresses: one empty line", {u"('1', NULL), ('2', '')"_s, QByteArray("\r\n")});
        row("written as stored",
            {u"('1', ' a '), ('2', 'a'), ('3', 'a'), ('4', 'Zoë')"_s, QByteArray(" a , a, a, Zo\xc3\xab\r\n")});
    }
    void writesOneLine()
    {
        const auto& [addresses, line] = fetchRow<WritesRow>();
        QVERIFY(exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES "_s + addresses));
        // An earlier, longer list is replaced, not overwritten in part.
        QVERIFY(writeAll(listPath(), QByteArray(200, 'x')));
        auto wizard = openOnLastStep(listPath());
        QVERIFY(clickCloses(*wizard, "cmdNext"));
        QCOMPARE(readAll(listPath()), line);
        QCOMPARE(logText(), entry(*m_install, EventLog::MailingListGenerated, u"Filename: "_s + listPath()));
        QCOMPARE(said(), QString());
    }

    void badFileNamesKeepTheWizardOpen()
    {
        QVERIFY(exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES ('1', 'a')"_s));
        auto wizard = openOnLastStep(u"   "_s);
        QCOMPARE(wizard->currentStep(), int(MailingListWizard::FileName));
        QCOMPARE(said(), u"Mailing list: Please enter a file name"_s);
        QTRY_VERIFY(control(*wizard, "txtFileName")->hasFocus());
        // A cancelled Browse leaves the name as typed.
        const QString missing = m_install->root() + u"/no such folder/list.txt"_s;
        type(*wizard, "txtFileName", missing);
        click(*wizard, "cmdBrowse");
        QCOMPARE(control(*wizard, "txtFileName")->text(), missing);
        click(*wizard, "cmdNext");
        control<QCheckBox>(*wizard, "chkWelcome")->setChecked(false);
        m_install->messages.calls.clear();
        m_install->files.answers.enqueue(listPath());
        QVERIFY(!clickCloses(*wizard, "cmdNext"));
        QCOMPARE(wizard->currentStep(), int(MailingListWizard::Finished));
        QCOMPARE(said(), u"Mailing list: Invalid filename"_s);
        QCOMPARE(m_install->messages.calls.first().icon, MsgIcon::Exclamation);
        QCOMPARE(logText(), QString());
        // The welcome flag written before the failure stays written.
        QCOMPARE(Registry::getRegistryValue(Settings::MailListWelcome), u"1"_s);
        // The failure opened Browse, whose choice Finish then writes.
        QCOMPARE(m_install->files.calls.size(), 2);
        QCOMPARE(m_install->files.calls.last().title + u'|' + m_install->files.calls.last().proposedName,
                 u"Mailing list file|maillist.txt"_s);
        QCOMPARE(control(*wizard, "txtFileName")->text(), listPath());
        QVERIFY(clickCloses(*wizard, "cmdNext"));
        QCOMPARE(readAll(listPath()), QByteArray("a\r\n"));
        QCOMPARE(logText(), entry(*m_install, EventLog::MailingListGenerated, u"Filename: "_s + listPath()));
    }

    void finishStoresEveryRowAndLogs()
    {
        QVERIFY(exec(u"INSERT INTO Settings (WebBookingEmail) VALUES ('second@row')"_s));
        auto wizard = open<WebBookWizard>();
        QCOMPARE(control(*wizard, "txtWebBookingEmail")->text(), QString());
        enter(*wizard, u"o'brien@harbour.example"_s, 1, u"https://forms.example/mail?a=1&b='2'"_s);
        m_install->messages.answers.enqueue(MsgResult::No);
        QVERIFY(clickCloses(*wizard, "cmdNext"));
        QCOMPARE(
            m_install->scalarInt(u"SELECT COUNT(*) FROM Settings WHERE WebBookingEmail = 'o''brien@harbour.example' "
                                 u"AND WebBookingProviderIndex = 1 AND "
                                 u"WebBookingProviderCustom = 'https://forms.example/mail?a=1&b=''2'''"_s),
            2);
        QCOMPARE(logText(),
                 entry(*m_install, EventLog::SettingsModified,
                       u"Web Booking Email: 'o'brien@harbour.example', Web Booking Provider: Custom..., Web Booking "
                       u"Custom Provider: 'https://forms.example/mail?a=1&b='2''"_s));
        QCOMPARE(said(), u"Web Booking Configuration Wizard: Would you like to create a booking web page now?"_s);
        QCOMPARE(m_install->files.calls.size(), 0);
    }

    void pageFromTheWizard_data()
    {
        const DataRows<PageRow> row;
        const QString custom = u"https://forms.example/cgi-bin/mail?to=desk&lang=en"_s;
        row("custom provider", {1, QString(), custom});
        row("default provider, custom box filled", {0, QString(), Settings::WebBookFormMailUrl.defaultValue});
        row("default provider moved",
            {0, u"https://mail.example.net/cgi-bin/rom.pl"_s, u"https://mail.example.net/cgi-bin/rom.pl"_s});
    }
    void pageFromTheWizard()
    {
        const auto& [provider, endpointSetting, action] = fetchRow<PageRow>();
        if (!endpointSetting.isEmpty())
            Registry::setRegistryValue(Settings::WebBookFormMailUrl, endpointSetting);
        // Markup in the address must come back as the same text, not as markup.
        const QString email = u"bookings&co\"<b>@harbour.example"_s;
        auto wizard = open<WebBookWizard>();
        enter(*wizard, email, provider, u"https://forms.example/cgi-bin/mail?to=desk&lang=en"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        m_install->files.answers.enqueue(pagePath());
        QVERIFY(clickCloses(*wizard, "cmdNext"));

        QCOMPARE(m_install->files.calls.size(), 1);
        const FileRequest request = m_install->files.calls.first();
        QVERIFY(request.save);
        QCOMPARE(request.title + u'|' + request.defaultSuffix, u"Save Web Book as...|html"_s);
        QCOMPARE(formFields(pagePath()), expectedFields(action, email));
        QVERIFY(!readAll(pagePath()).contains("<!--")); // the template's notes stay in the template
        QProcess tidy;
        tidy.start(u"tidy"_s, {u"-errors"_s, u"-quiet"_s, pagePath()});
        QVERIFY2(tidy.waitForFinished(30000), "tidy is missing: tools/ensure-packages.sh installs it");
        QCOMPARE(QString::fromUtf8(tidy.readAllStandardError()), QString());
        QCOMPARE(tidy.exitCode(), 0);
    }

    void emptySettingsTable()
    {
        QVERIFY(exec(u"DELETE FROM Settings"_s));
        auto wizard = open<WebBookWizard>();
        QCOMPARE(texts(*wizard, {"txtWebBookingEmail", "txtCustomProvider"}), u"|"_s);
        QCOMPARE(control<QComboBox>(*wizard, "cboProvider")->currentText(), u"Response-o-Matic (default)"_s);
        enter(*wizard, u"a@b.example"_s, 0, QString());
        QVERIFY(clickCloses(*wizard, "cmdNext"));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Settings"_s), 0);
        VERIFY_HAS(logText(), u"[Settings modified]\r\nWeb Booking Email: 'a@b.example'"_s);
    }

    void createPageFromTheMenu_data()
    {
        // answer: the file dialog's answer; "" = cancelled
        // said: the page is written when nothing is said and a file was chosen
        const DataRows<CreateRow> row;
        const QString error = u"Error: Can't generate Webbook:\r\n"_s;
        const QString page = u"page.html"_s, none;
        row("no settings row", {u"DELETE FROM Settings"_s, page, error});
        row("no address stored",
            {u"UPDATE Settings SET WebBookingEmail = NULL"_s, page,
             error + u"No value is stored for WebBookingEmail. Configure the web bookings first."_s});
        for (const QString& script :
             {u"javascript:alert(document.cookie)"_s, u"data:text/html,<b>x</b>"_s, u"https:no-host"_s})
            QTest::addRow("action %s", qPrintable(script)) << CreateRow(
                u"UPDATE Settings SET WebBookingProviderIndex = 1, WebBookingProviderCustom = '%1'"_s.arg(script), page,
                error + u"The booking form would be sent to \"%1\", which is not a web address."_s.arg(script));
        row("folder missing", {none, u"missing/page.html"_s, u"Error: Can't save HTML file:\r\n"_s});
        row("cancelled", {none, none, none});
        row("written", {none, page, none});
    }
    void createPageFromTheMenu()
    {
        const auto& [setup, answer, said] = fetchRow<CreateRow>();
        const bool written = said.isEmpty() && !answer.isEmpty();
        QVERIFY(exec(u"UPDATE Settings SET WebBookingEmail = 'desk@harbour.example', "
                     u"WebBookingProviderIndex = 0, WebBookingProviderCustom = NULL"_s));
        if (!setup.isEmpty())
            QVERIFY(exec(setup));
        m_install->files.answers.enqueue(answer.isEmpty() ? QString() : m_install->root() + u'/' + answer);
        MainWindow main(m_install->services);
        main.menuItem(u"mnuWebBookCreatePage"_s)->trigger();
        // The description after the line break is the system's own for a failed save.
        const QString shown = m_install->messages.said();
        QVERIFY2(said.isEmpty() ? shown.isEmpty() : shown.startsWith(said), qPrintable(shown));
        QCOMPARE(QFile::exists(pagePath()), written);
        if (written)
            QCOMPARE(formFields(pagePath()).mid(2, 4),
                     (QStringList{u"form post "_s + Settings::WebBookFormMailUrl.defaultValue, u"hidden language=en"_s,
                                  u"hidden your_email_address=desk@harbour.example"_s,
                                  u"hidden your_name=desk@harbour.example"_s}));
        QCOMPARE(logText(), QString());
    }

    void missingTemplate()
    {
        QVERIFY(!WebBookMenu::createPage(m_install->services, u"https://forms.example/x"_s, u"y"_s,
                                         u":/outputs/missing.html"_s));
        QCOMPARE(said(), u"Error: Invalid HTML resource"_s);
        QCOMPARE(m_install->files.calls.size(), 0);
    }

    void changedElsewhereIsNotOverwritten()
    {
        auto wizard = open<WebBookWizard>();
        enter(*wizard, u"mine@harbour.example"_s, 0, QString());
        QVERIFY(exec(u"UPDATE Settings SET WebBookingEmail = 'other@harbour.example'"_s));
        QVERIFY(!clickCloses(*wizard, "cmdNext"));
        VERIFY_HAS(said(), u"Booking email address: now 'other@harbour.example', was ''"_s);
        QCOMPARE(m_install->text(u"SELECT WebBookingEmail FROM Settings"_s), u"other@harbour.example"_s);
        QCOMPARE(logText(), QString());
        // Told, the user may store their own entries over the other desk's.
        QVERIFY(clickCloses(*wizard, "cmdNext"));
        QCOMPARE(m_install->text(u"SELECT WebBookingEmail FROM Settings"_s), u"mine@harbour.example"_s);
        QVERIFY(!logText().isEmpty());
    }
};

ZEM_TEST(tst_Wizards)
#include "tst_Wizards.moc"
