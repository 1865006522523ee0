#include "common/InstallFixture.h"
#include "core/ConfiguredDesk.h"
#include "core/ServerLogin.h"

#include <QMutex>

namespace {
struct NotingConfig
{
    int value = 0;
};

// A desk that notes each pass: the setting it worked to, whether it was woken, and whether its connection was the
// one the pass before used (a temporary table lives only as long as its connection).
class NotingDesk final : public ConfiguredDesk<NotingConfig, NotingDesk>
{
public:
    NotingDesk(const QString& address, NotingConfig config)
        : ConfiguredDesk(address, u"Noting desk"_s, u"Noting"_s, config)
    {
    }
    ~NotingDesk() override { stop(); }

    QStringList seen() const
    {
        const QMutexLocker locked(&m_lock);
        return m_seen;
    }

private:
    int pass(bool woken) override
    {
        QString line = QString::number(currentConfig().value) + (woken ? u" woken"_s : u" paced"_s);
        if (const auto db = connection()) {
            QSqlQuery q(*db);
            if (q.exec(u"SELECT COUNT(*) FROM desk_mark"_s))
                line += u" same"_s;
            else if (QSqlQuery(*db).exec(u"CREATE TEMP TABLE desk_mark (x INTEGER)"_s))
                line += u" opened"_s;
            else
                line += u" unmarked"_s;
        } else {
            line += u" failed: "_s + db.error();
        }
        const QMutexLocker locked(&m_lock);
        m_seen << line;
        return 3600 * 1000; // only a wake brings the next pass
    }

    mutable QMutex m_lock;
    QStringList m_seen;
};
} // namespace

// The background desks' base: the settings a pass works to, its connection across sign-ins, and the one desk of a
// kind the windows wake.
class tst_DeskWorker : public InstallTest
{
    Q_OBJECT

private slots:
    void passesFollowSettingsAndSignIns()
    {
        NotingDesk desk(m_install->databasePath(), {1});
        desk.start();
        QTRY_COMPARE(desk.seen().size(), 1);
        desk.reconfigure({2});
        QTRY_COMPARE(desk.seen().size(), 2);
        desk.wake();
        QTRY_COMPARE(desk.seen().size(), 3);
        ServerLogin::forgetLogin(); // as another sign-in at this desk does
        desk.wake();
        QTRY_COMPARE(desk.seen().size(), 4);
        desk.stop();
        QCOMPARE(desk.seen(),
                 QStringList({u"1 paced opened"_s, u"2 woken same"_s, u"2 woken same"_s, u"2 woken opened"_s}));
    }

    void onlyTheRunningDeskIsForgotten()
    {
        auto running = std::make_unique<NotingDesk>(m_install->databasePath(), NotingConfig{1});
        NotingDesk::setRunning(running.get());
        {
            const NotingDesk other(m_install->databasePath(), {2});
        }
        QCOMPARE(NotingDesk::running(), running.get());
        running.reset();
        QCOMPARE(NotingDesk::running(), nullptr);
    }
};

ZEM_TEST(tst_DeskWorker)
#include "tst_DeskWorker.moc"
