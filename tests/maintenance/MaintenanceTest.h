#pragma once

#include "common/TestSupport.h"
#include "core/Database.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "maintenance/MaintenanceMenu.h"

// What the maintenance test classes share: the File menu's items driven through the scripted dialogs, and the
// database's customers, the event log and the files read back.
class MaintenanceTest : public InstallTest
{
protected:
    TestHost m_host;

    QString file(const QString& name) const { return m_install->root() + u"/data/"_s + name; }
    QString archive() const { return m_install->root() + u"/a.SPA"_s; }
    QString messagesSaid() const { return m_install->messages.said(); }
    static QString namesSql(const QSqlDatabase& db)
    {
        return u"SELECT "_s + Dialect::of(db).joinTexts(u"Name"_s, u","_s, u"ID"_s) +
               u" FROM (SELECT ID, Name FROM Customer ORDER BY ID) c"_s;
    }
    /// The customers' names in a database (a file or a server address), read through a connection of its own.
    static QString names(const QString& path)
    {
        QString names = u"<not a database>"_s;
        if (auto db = Database::open(path, u"names"_s, 0))
            names = Sql::scalar(*db, namesSql(*db))->toString();
        Database::close(u"names"_s);
        return names;
    }
    QString names() const { return m_install->text(namesSql(m_install->db())); }
    /// The event log entries written, by event text.
    QStringList events() const
    {
        return m_install->eventLogText().split(u"\r\n"_s).filter(QRegularExpression(u"^\\[Database"_s));
    }
    /// Presses "&Cancel" on the progress window as soon as it shows, and answers its question with answer.
    void cancelWhenShown(MsgResult answer)
    {
        m_install->messages.answers.enqueue(answer);
        QTimer::singleShot(0, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == u"frmBackup"_s && window->isVisible())
                    control<QPushButton>(*window, "btnPrekid")->click();
        });
    }
    void backup(const QString& archive)
    {
        m_install->files.answers.enqueue(archive);
        MaintenanceMenu::backUp(m_install->services, m_host);
    }
    /// Restores from archive, answering Yes to the question that names it and where the database as it is now is
    /// kept (through host's windows when given); the messages said before are dropped and the question is checked and
    /// taken off, so a test reads what the restore itself said.
    void restore(const QString& archive, IWindowHost* host = nullptr)
    {
        m_install->files.answers.enqueue(archive);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        m_install->messages.calls.clear();
        MaintenanceMenu::restore(m_install->services, host ? *host : m_host);
        QVERIFY(!m_install->messages.calls.isEmpty());
        const QString question = m_install->messages.calls.takeFirst().text;
        QVERIFY2(question.startsWith(u"Replace the database with the backup "_s + QDir::toNativeSeparators(archive)) &&
                     question.contains(u"DB.bak, and can be restored from there."_s),
                 qPrintable(question));
    }
    void addCustomer(const QString& name)
    {
        QVERIFY(m_install->exec(u"INSERT INTO Customer (Name) VALUES (?)"_s, {name}));
    }
};
