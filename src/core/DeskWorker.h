#pragma once

#include "core/Result.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QThread>
#include <atomic>

/// Background work of a desk on a thread of its own, with its own database connection closed on that thread: a
/// pass at start, then each time the pass's own pace comes round or someone wakes it. No window waits on it.
/// A subclass calls stop() first thing in its destructor, so no pass runs over members already gone.
class DeskWorker : public QObject
{
    Q_OBJECT
public:
    DeskWorker(QString databaseAddress, QString connectionName, const QString& threadName);
    ~DeskWorker() override;
    Q_DISABLE_COPY_MOVE(DeskWorker)

    void start();
    /// Ends the thread, cutting the work in hand short (stopping() turns true); safe to call twice.
    void stop();
    /// A pass at once, woken = true. Any thread.
    void wake();

protected:
    /// One pass, on the thread; gives the milliseconds until the next unwoken pass.
    virtual int pass(bool woken) = 0;
    const std::atomic_bool& stopping() const { return m_stop; }
    /// The desk's own connection, opened when it is not. On a server the desk works as whoever signed in here, so the
    /// server grants it what it grants them: a connection opened before another sign-in is opened again.
    Result<QSqlDatabase> connection();

private:
    void run(bool woken);

    QString m_address;
    QString m_connectionName;
    std::atomic_bool m_stop{false};
    QThread m_thread;
    QObject* m_worker = nullptr; // lives in m_thread; its timer paces the passes
    int m_login = -1;            // the sign-in the connection was opened under (ServerLogin::generation)
};
