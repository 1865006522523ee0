#include "core/DeskWorker.h"

#include "core/Database.h"
#include "core/ServerLogin.h"

#include <QTimer>

DeskWorker::DeskWorker(QString databaseAddress, QString connectionName, const QString& threadName)
    : m_address(std::move(databaseAddress)), m_connectionName(std::move(connectionName))
{
    m_thread.setObjectName(threadName);
}

DeskWorker::~DeskWorker()
{
    stop();
}

void DeskWorker::start()
{
    if (m_thread.isRunning())
        return;
    m_stop = false;
    m_worker = new QObject;
    auto* timer = new QTimer(m_worker);
    timer->setSingleShot(true);
    timer->setObjectName(QStringLiteral("pace"));
    m_worker->moveToThread(&m_thread); // the timer goes with it
    connect(timer, &QTimer::timeout, m_worker, [this] { run(false); });
    connect(&m_thread, &QThread::started, timer, [timer] { timer->start(0); });
    // Still in the thread that used it: the connection closes where it was opened.
    connect(
        &m_thread, &QThread::finished, m_worker, [this] { Database::close(m_connectionName); }, Qt::DirectConnection);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
}

void DeskWorker::stop()
{
    if (!m_thread.isRunning())
        return;
    m_stop = true;
    m_thread.quit();
    m_thread.wait();
    m_worker = nullptr;
}

void DeskWorker::wake()
{
    if (!m_worker)
        return;
    QMetaObject::invokeMethod(
        m_worker, [this] { run(true); }, Qt::QueuedConnection);
}

void DeskWorker::run(bool woken)
{
    if (m_stop)
        return;
    const int next = pass(woken);
    if (m_stop)
        return;
    if (auto* timer = m_worker ? m_worker->findChild<QTimer*>(QStringLiteral("pace")) : nullptr)
        timer->start(std::max(0, next));
}

Result<QSqlDatabase> DeskWorker::connection()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen() && m_login == ServerLogin::generation())
        return db;
    if (db.isOpen()) {
        db = QSqlDatabase(); // no handle left on the connection it closes
        Database::close(m_connectionName);
    }
    m_login = ServerLogin::generation();
    return Database::open(m_address, m_connectionName);
}
