#pragma once

#include "common/ScriptedSeams.h"
#include "core/Database.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QVariant>

/// A fresh temporary installation for one test case: root/bin, root/data/DB.sqlite made from the schema (or, in a
/// run on PostgreSQL, a fresh database on the run's private server, named by the data setting),
/// root/traces/, a settings file named by ZEMHARBOUR_SETTINGS, scripted seams, a fixed clock, the shared
/// connection open and the event log started.
class TestInstall final
{
public:
    /// withDatabase false leaves the database missing and the connection closed (start-up tests).
    explicit TestInstall(bool withDatabase = true);
    ~TestInstall();
    Q_DISABLE_COPY_MOVE(TestInstall)

    QString Root() const { return m_dir.path(); }
    /// The file, or the server address in a run on PostgreSQL.
    QString DatabasePath() const { return m_serverDatabase.isEmpty() ? FilePath() : m_serverDatabase; }
    /// Where the file of a SQLite installation lives (the default data setting).
    QString FilePath() const { return Root() + QStringLiteral("/data/DB.sqlite"); }
    QString SettingsPath() const { return Root() + QStringLiteral("/settings.ini"); }
    QString TracesFolder() const { return Root() + QStringLiteral("/traces/"); }
    QSqlDatabase Db() const { return Database::Shared(); }

    /// The text of the event log written so far ("" when none).
    QString EventLogText() const;
    /// One value of the first row that sql returns, for checks.
    QVariant Value(const QString& sql, const QVariantList& binds = {}) const;
    int Int(const QString& sql, const QVariantList& binds = {}) const { return Value(sql, binds).toInt(); }
    QString Text(const QString& sql, const QVariantList& binds = {}) const { return Value(sql, binds).toString(); }
    /// Runs a statement for test set-up; fails the test through QVERIFY in the caller when false. Without values
    /// it is run unprepared, so schema changes (which a server does not prepare) pass too.
    bool Exec(const QString& sql, const QVariantList& binds = {}) const;
    /// Makes every statement of kind ("INSERT", "UPDATE" or "DELETE") on table fail with message, on either engine.
    bool FailOn(const QString& table, const QString& kind, const QString& message) const;
    /// Refuses (or allows again) every change made through the shared connection.
    bool RefuseChanges(bool refuse) const;

    ScriptedMessageBox messages;
    ScriptedFileDialog files;
    ScriptedDesktop desktop;
    FixedClock clock;
    ScriptedPrinter printer; // no printer installed until a test names one
    Services services{messages, files, desktop, clock, Database::SharedConnectionName(), &printer};

private:
    QTemporaryDir m_dir;
    QString m_serverDatabase;
};
