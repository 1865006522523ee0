#include "common/TestSupport.h"
#include "outputs/frmWizardMailList.h"

// The mailing-list wizard: the file it writes (one CR LF line of addresses), and the file names it refuses: a
// blank one, and one that cannot be written, which keeps the wizard open with Browse offered and nothing logged.
class tst_MailList : public InstallTest
{
    Q_OBJECT

    QString ListPath() const { return m_install->Root() + u"/maillist.txt"_s; }

    /// The wizard on its last step, with fileName typed.
    std::unique_ptr<frmWizardMailList> OpenOnLastStep(const QString& fileName)
    {
        auto wizard = std::make_unique<frmWizardMailList>(m_install->services);
        if (!ShowActive(*wizard))
            qWarning("the wizard did not become active");
        Click(*wizard, "cmdNext");
        Type(*wizard, "txtFileName", fileName);
        Click(*wizard, "cmdNext");
        return wizard;
    }
    static QByteArray Read(const QString& path)
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
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES "_s + addresses));
        // An earlier, longer list is replaced, not overwritten in part.
        QFile old(ListPath());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(200, 'x')) == 200);
        old.close();
        auto wizard = OpenOnLastStep(ListPath());
        Click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(Read(ListPath()), line);
        QCOMPARE(m_install->EventLogText(),
                 Entry(*m_install, modEventLog::MailingListGenerated, u"Filename: "_s + ListPath()));
        QCOMPARE(m_install->messages.Said(), QString());
    }

    void badFileNamesKeepTheWizardOpen()
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (Name, EmailAddress) VALUES ('1', 'a')"_s));
        auto wizard = OpenOnLastStep(u"   "_s);
        QCOMPARE(wizard->CurrentStep(), int(frmWizardMailList::FileName));
        QCOMPARE(m_install->messages.Said(), u"Mailing list: Please enter a file name"_s);
        QTRY_VERIFY(Control(*wizard, "txtFileName")->hasFocus());
        // A cancelled Browse leaves the name as typed.
        const QString missing = m_install->Root() + u"/no such folder/list.txt"_s;
        Type(*wizard, "txtFileName", missing);
        Click(*wizard, "cmdBrowse");
        QCOMPARE(Control(*wizard, "txtFileName")->text(), missing);
        Click(*wizard, "cmdNext");
        Control<QCheckBox>(*wizard, "chkWelcome")->setChecked(false);
        m_install->messages.calls.clear();
        m_install->files.answers.enqueue(ListPath());
        Click(*wizard, "cmdNext");
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->CurrentStep(), int(frmWizardMailList::Finished));
        QCOMPARE(m_install->messages.Said(), u"Mailing list: Invalid filename"_s);
        QCOMPARE(m_install->messages.calls.first().icon, MsgIcon::Exclamation);
        QCOMPARE(m_install->EventLogText(), QString());
        // The welcome flag written before the failure stays written.
        QCOMPARE(Registry::GetRegistryValue(Settings::MailListWelcome), u"1"_s);
        // The failure opened Browse, whose choice Finish then writes.
        QCOMPARE(m_install->files.calls.size(), 2);
        QCOMPARE(m_install->files.calls.last().title, u"Mailing list file"_s);
        QCOMPARE(m_install->files.calls.last().proposedName, u"maillist.txt"_s);
        QCOMPARE(Control(*wizard, "txtFileName")->text(), ListPath());
        Click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());
        QCOMPARE(Read(ListPath()), QByteArray("a\r\n"));
        QCOMPARE(m_install->EventLogText(),
                 Entry(*m_install, modEventLog::MailingListGenerated, u"Filename: "_s + ListPath()));
    }
};

ZEM_TEST(tst_MailList)
#include "tst_MailList.moc"
