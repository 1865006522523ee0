#pragma once

#include "common/ScriptedSeams.h"
#include "core/Database.h"
#include "core/EventLog.h"

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

    QString root() const { return m_dir.path(); }
    /// The file, or the server address in a run on PostgreSQL.
    QString databasePath() const { return m_serverDatabase.isEmpty() ? filePath() : m_serverDatabase; }
    /// Where the file of a SQLite installation lives (the default data setting).
    QString filePath() const { return root() + QStringLiteral("/data/DB.sqlite"); }
    QString settingsPath() const { return root() + QStringLiteral("/settings.ini"); }
    QString tracesFolder() const { return root() + QStringLiteral("/traces/"); }
    QSqlDatabase db() const { return Database::shared(); }

    /// The text of the event log written so far ("" when none).
    QString eventLogText() const;
    /// One value of the first row that sql returns, for checks.
    QVariant value(const QString& sql, const QVariantList& binds = {}) const;
    int scalarInt(const QString& sql, const QVariantList& binds = {}) const { return value(sql, binds).toInt(); }
    QString text(const QString& sql, const QVariantList& binds = {}) const { return value(sql, binds).toString(); }
    /// The first column of every row, joined by commas.
    QString joined(const QString& sql) const;
    /// Runs a statement for test set-up; fails the test through QVERIFY in the caller when false. Without values
    /// it is run unprepared, so schema changes (which a server does not prepare) pass too.
    bool exec(const QString& sql, const QVariantList& binds = {}) const;
    /// Makes every statement of kind ("INSERT", "UPDATE" or "DELETE") on table fail with message, on either engine.
    bool failOn(const QString& table, const QString& kind, const QString& message) const;
    /// refuses (or allows again) every change made through the shared connection.
    bool refuseChanges(bool refuse) const;

    ScriptedMessageBox messages;
    ScriptedFileDialog files;
    ScriptedDesktop desktop;
    FixedClock clock;
    ScriptedPrinter printer;    // no printer installed until a test names one
    EventLogFile events{clock}; // the real file: tests read the day's log back
    Services services{messages, files, desktop, clock, events, Database::sharedConnectionName(), &printer};

private:
    QTemporaryDir m_dir;
    QString m_serverDatabase;
};
