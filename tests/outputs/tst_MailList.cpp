#include "common/TestSupport.h"
#include "outputs/MailingListWizard.h"

// The mailing-list wizard: the file it writes (one CR LF line of addresses), and the file names it refuses: a
// blank one, and one that cannot be written, which keeps the wizard open with Browse offered and nothing logged.
class tst_MailList : public InstallTest
{
    Q_OBJECT

    QString listPath() const { return m_install->root() + u"/maillist.txt"_s; }

    /// The wizard on its last step, with fileName typed.
    std::unique_ptr<MailingListWizard> openOnLastStep(const QString& fileName)
    {
        auto wizard = std::make_unique<MailingListWizard>(m_install->services);
        if (!showActive(*wizard))
            qWarning("the wizard did not become active");
        click(*wizard, "cmdNext");
        type(*wizard, "txtFileName", fileName);
        click(*wizard, "cmdNext");
        return wizard;
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

private slots:
    void writesOneLine_data()
    {
        QTest::addColumn<QString>("addresses"); // VALUES rows for Customer (Name, EmailAddress)
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("a, b, c; Null and empty left out")
            << "('1', 'a'), ('2', NULL), ('3', ''), ('4', 'b'), ('5', 'c')" << QByteArray("a, b, c\r\n");
        QTest::newRow("no addresses: one empty line") << "('1', NULL), ('2', '')" << QByteArray("\r\n");
        QTest::newRow("written as stored")
            << "('1', ' a '), ('2', 'a'), ('3', 'a'), ('4', 'Zoë')" << QByteArray(" a , a, a, Zo\xc3\xab\r\n");
    }
    void writesOneLine()
    {
        QFETCH(QString, addresses);
        QFETCH(QByteArray, line);
        QVERIFY(m_install->exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES "_s + addresses));
        // An earlier, longer list is replaced, not overwritten in part.
        QFile old(listPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(200, 'x')) == 200);
        old.close();
        auto wizard = openOnLastStep(listPath());
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(read(listPath()), line);
        QCOMPARE(m_install->eventLogText(),
                 entry(*m_install, EventLog::MailingListGenerated, u"Filename: "_s + listPath()));
        QCOMPARE(m_install->messages.said(), QString());
    }

    void badFileNamesKeepTheWizardOpen()
    {
        QVERIFY(m_install->exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES ('1', 'a')"_s));
        auto wizard = openOnLastStep(u"   "_s);
        QCOMPARE(wizard->currentStep(), int(MailingListWizard::FileName));
        QCOMPARE(m_install->messages.said(), u"Mailing list: Please enter a file name"_s);
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
        click(*wizard, "cmdNext");
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->currentStep(), int(MailingListWizard::Finished));
        QCOMPARE(m_install->messages.said(), u"Mailing list: Invalid filename"_s);
        QCOMPARE(m_install->messages.calls.first().icon, MsgIcon::Exclamation);
        QCOMPARE(m_install->eventLogText(), QString());
        // The welcome flag written before the failure stays written.
        QCOMPARE(Registry::getRegistryValue(Settings::MailListWelcome), u"1"_s);
        // The failure opened Browse, whose choice Finish then writes.
        QCOMPARE(m_install->files.calls.size(), 2);
        QCOMPARE(m_install->files.calls.last().title, u"Mailing list file"_s);
        QCOMPARE(m_install->files.calls.last().proposedName, u"maillist.txt"_s);
        QCOMPARE(control(*wizard, "txtFileName")->text(), listPath());
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(read(listPath()), QByteArray("a\r\n"));
        QCOMPARE(m_install->eventLogText(),
                 entry(*m_install, EventLog::MailingListGenerated, u"Filename: "_s + listPath()));
    }
};

ZEM_TEST(tst_MailList)
#include "tst_MailList.moc"
