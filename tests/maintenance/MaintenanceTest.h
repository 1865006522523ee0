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

    QString File(const QString& name) const { return m_install->Root() + u"/data/"_s + name; }
    QString Said() const { return m_install->messages.Said(); }
    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QString NamesSql(const QSqlDatabase& db)
    {
        return u"SELECT "_s + Dialect::Of(db).JoinTexts(u"Name"_s, u","_s, u"ID"_s) +
               u" FROM (SELECT ID, Name FROM Customer ORDER BY ID) c"_s;
    }
    /// The customers' names in a database (a file or a server address), read through a connection of its own.
    static QString Names(const QString& path)
    {
        QString names = u"<not a database>"_s;
        if (auto db = Database::Open(path, u"names"_s, 0))
            names = Sql::Scalar(*db, NamesSql(*db))->toString();
        Database::Close(u"names"_s);
        return names;
    }
    QString Names() const { return m_install->Text(NamesSql(m_install->Db())); }
    /// The event log entries written, by event text.
    QStringList Events() const
    {
        QStringList texts;
        for (const QString& line : m_install->EventLogText().split(u"\r\n"_s))
            if (line.startsWith(u"[Database"_s))
                texts << line;
        return texts;
    }
    /// Presses "&Cancel" on the progress window as soon as it shows.
    static void CancelWhenShown()
    {
        QTimer::singleShot(0, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == u"frmBackup"_s && window->isVisible())
                    Control<QPushButton>(*window, "btnPrekid")->click();
        });
    }
    void Backup(const QString& archive)
    {
        m_install->files.answers.enqueue(archive);
        MaintenanceMenu::mnuFileBackupDB_Click(m_install->services, m_host);
    }
    void Restore(const QString& archive)
    {
        m_install->files.answers.enqueue(archive);
        MaintenanceMenu::mnuFileRestoreDB_Click(m_install->services, m_host);
    }
    void AddCustomer(const QString& name)
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (Name) VALUES (?)"_s, {name}));
    }
};
