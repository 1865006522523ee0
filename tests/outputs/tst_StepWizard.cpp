#include "common/TestSupport.h"
#include "outputs/MailingListWizard.h"
#include "outputs/WebBookWizard.h"
#include "shell/MainWindow.h"

// What the web booking and mailing-list wizards share: the welcome flag decides the first step and is written
// only when its box changed; Back, Next and Finish; and the main window's items that open them.
class tst_StepWizard : public InstallTest
{
    Q_OBJECT

    std::unique_ptr<StepWizard> open(const QString& kind)
    {
        std::unique_ptr<StepWizard> wizard;
        if (kind == u"web")
            wizard = std::make_unique<WebBookWizard>(m_install->services);
        else
            wizard = std::make_unique<MailingListWizard>(m_install->services);
        if (!showActive(*wizard))
            qWarning("the wizard did not become active");
        return wizard;
    }

private slots:
    void welcomeFlag_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("flag"); // "" = absent
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QString>("stored"); // "absent" = never written; "cancelled": Cancel on the last step
        QTest::addColumn<QStringList>("captions");
        const QStringList web = {u"Web Booking Configuration Wizard"_s, u"Enter your email booking address"_s,
                                 u"Choose your email provider"_s, u"Enter Your Room Information"_s};
        const QStringList mail = {u"Email Mailing List Wizard"_s, u"Enter the Mailing List filename"_s, u"Finished"_s};
        for (const QString& kind : {u"web"_s, u"mail"_s}) {
            const QStringList& captions = kind == u"web" ? web : mail;
            QTest::addRow("%s: no flag, untouched", qPrintable(kind)) << kind << "" << false << "absent" << captions;
            QTest::addRow("%s: no flag, cleared", qPrintable(kind)) << kind << "" << true << "1" << captions;
            QTest::addRow("%s: cleared, cancelled", qPrintable(kind)) << kind << "" << true << "cancelled" << captions;
            QTest::addRow("%s: flag 1, untouched", qPrintable(kind)) << kind << "1" << false << "1" << captions;
            QTest::addRow("%s: flag 1, ticked", qPrintable(kind)) << kind << "1" << true << "0" << captions;
        }
    }
    void welcomeFlag()
    {
        QFETCH(QString, kind);
        QFETCH(QString, flag);
        QFETCH(bool, toggle);
        QFETCH(QString, stored);
        QFETCH(QStringList, captions);
        const QString setting = kind == u"web" ? Settings::WebBookWelcome : Settings::MailListWelcome;
        if (!flag.isEmpty())
            Registry::setRegistryValue(setting, flag);
        auto wizard = open(kind);
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
        QVERIFY(back->isHidden());
        QVERIFY(control<QWidget>(*wizard, "fraStep0")->isVisible());
        if (toggle)
            welcome->setChecked(!welcome->isChecked());
        QCOMPARE(Registry::getRegistryValue(setting, u"absent"_s), flag.isEmpty() ? u"absent"_s : flag);

        const QString list = m_install->root() + u"/list.txt"_s;
        for (int step = 0; step < captions.size(); ++step) {
            QCOMPARE(wizard->currentStep(), step);
            QCOMPARE(wizard->windowTitle(), captions[step]);
            QCOMPARE(next->text(), step == captions.size() - 1 ? u"&Finish"_s : u"&Next"_s);
            if (step == 1)
                QTRY_VERIFY(
                    control<QWidget>(*wizard, kind == u"web" ? "txtWebBookingEmail" : "txtFileName")->hasFocus());
            if (kind == u"mail" && step == MailingListWizard::FileName)
                type(*wizard, "txtFileName", list);
            if (kind == u"web" && step == WebBookWizard::Email)
                type(*wizard, "txtWebBookingEmail", u"desk@harbour.example"_s);
            const bool cancel = stored == u"cancelled" && step == captions.size() - 1;
            click(*wizard, cancel ? "cmdCancel" : "cmdNext");
        }
        QVERIFY(!wizard->isVisible());
        if (stored == u"cancelled") {
            QCOMPARE(Registry::getRegistryValue(setting, u"absent"_s), u"absent"_s);
            QVERIFY(!QFile::exists(list));
            QCOMPARE(m_install->text(u"SELECT WebBookingEmail FROM Settings"_s), QString());
            QCOMPARE(m_install->eventLogText(), QString());
            return;
        }
        QCOMPARE(wizard->result(), int(QDialog::Accepted));
        QCOMPARE(Registry::getRegistryValue(setting, u"absent"_s), stored);
    }

    void mainWindowOpensTheWizards_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("menu: configure") << u"mnuWebBookConfigure"_s << u"frmWizardWebBook"_s;
        QTest::newRow("toolbar: Web Bookings") << u"tbrWebBookings"_s << u"frmWizardWebBook"_s;
        QTest::newRow("menu: mailing list") << u"mnuCustomersMailingListWizard"_s << u"frmWizardMailList"_s;
    }
    void mainWindowOpensTheWizards()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        MainWindow main(m_install->services);
        QVERIFY(showActive(main));
        QAction* action = main.menuItem(item);
        QVERIFY(action && action->isEnabled());
        QString opened;
        onNextModal([&opened](QDialog* dialog) { opened = dialog->objectName(); });
        action->trigger();
        QCOMPARE(opened, window);
    }
};

ZEM_TEST(tst_StepWizard)
#include "tst_StepWizard.moc"
