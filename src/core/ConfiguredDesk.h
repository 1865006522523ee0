#pragma once

#include "core/DeskWorker.h"

#include <atomic>
#include <mutex>

/// A desk whose settings change while it runs: they are kept under a lock, a pass works on its own copy of them, and
/// a change wakes the desk at once. The one desk of each kind the program runs is known to the windows, which wake it
/// after a change of their own. Desk is the class deriving from this one (it calls stop() first thing in its
/// destructor, as any DeskWorker's subclass does); Config is declared outside it, as a base needs it complete.
template <typename Config, typename Desk> class ConfiguredDesk : public DeskWorker
{
public:
    ConfiguredDesk(QString databaseAddress, QString connectionName, const QString& threadName, Config config)
        : DeskWorker(std::move(databaseAddress), std::move(connectionName), threadName), m_config(std::move(config))
    {
    }
    ~ConfiguredDesk() override
    {
        ConfiguredDesk* self = this;
        s_running.compare_exchange_strong(self, nullptr);
    }

    /// New settings for the next pass, which starts at once.
    void reconfigure(const Config& config)
    {
        {
            std::lock_guard lock(m_configLock);
            m_config = config;
        }
        wake();
    }

    /// The one the program runs, if any; forgotten when it is destroyed.
    static Desk* running() { return static_cast<Desk*>(s_running.load()); }
    static void setRunning(Desk* desk) { s_running = desk; }

protected:
    /// The settings as they are now, for one pass.
    Config currentConfig() const
    {
        std::lock_guard lock(m_configLock);
        return m_config;
    }

private:
    static inline std::atomic<ConfiguredDesk*> s_running{nullptr};
    mutable std::mutex m_configLock;
    Config m_config;
};
