#include "maintenance/ArchiveSeal.h"

#include "core/FileSecurity.h"
#include "core/InstallPaths.h"
#include "maintenance/SafeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <filesystem>

namespace ArchiveSeal {

namespace {

constexpr char Tag[] = "ZemSeal1";
constexpr qsizetype TagBytes = 8;
constexpr qsizetype IdBytes = 16;
constexpr qsizetype NonceBytes = 16;
constexpr qsizetype NoteBytes = 16;
constexpr qsizetype AuthenticatedBytes = TagBytes + IdBytes + NonceBytes + 8 + NoteBytes; // 64
constexpr qsizetype MacBytes = crypto_onetimeauth_BYTES;                                  // 16
constexpr qsizetype DigestBytes = 16;
static_assert(AuthenticatedBytes + MacBytes + DigestBytes == PayloadBytes);
constexpr qsizetype KeyBytes = 32;
constexpr qsizetype QueuedBlocks = 8;

bool ready()
{
    // sodium_init may be called again; the first call picks the fastest code for this processor.
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

void putLe(QByteArray& to, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        to.append(char((value >> (8 * i)) & 0xFF));
}

quint64 getLe(const char* p, int bytes)
{
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | quint64(static_cast<unsigned char>(p[i]));
    return value;
}

auto bytes(const QByteArray& a)
{
    return reinterpret_cast<const unsigned char*>(a.constData());
}

QByteArray digestOf(const char* data, qsizetype size)
{
    QByteArray out(DigestBytes, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char*>(out.data()), size_t(out.size()),
                       reinterpret_cast<const unsigned char*>(data), size_t(size), nullptr, 0);
    return out;
}

} // namespace

QByteArray readKey(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray key = file.read(KeyBytes + 1);
    return key.size() == KeyBytes ? key : QByteArray();
}

QByteArray deskKey()
{
    if (!ready())
        return {};
    const QString path = QDir(InstallPaths::dataHome()).filePath(QStringLiteral("archive.key"));
    if (const QByteArray key = readKey(path); !key.isEmpty())
        return key;
    // A new key, or one in place of a file that is not one: archives sealed under the old key are checked whole.
    QByteArray key(KeyBytes, Qt::Uninitialized);
    randombytes_buf(key.data(), size_t(key.size()));
    const QString part = SafeFiles::partName(path) + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(part);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         FileSecurity::restrictToOwner(part).ok() && file.write(key) == key.size() &&
                         SafeFiles::sync(file);
    file.close();
    if (written) {
        // Two processes making the first key at once: the first link is the key, the other desk reads it. A file
        // there that is not a key is replaced.
        std::error_code failed;
        std::filesystem::create_hard_link(QFile::encodeName(part).toStdString(), QFile::encodeName(path).toStdString(),
                                          failed);
        if (failed && readKey(path).isEmpty())
            static_cast<void>(SafeFiles::replace(part, path));
    }
    QFile::remove(part);
    return readKey(path);
}

QByteArray newNonce()
{
    QByteArray nonce(NonceBytes, Qt::Uninitialized);
    if (ready())
        randombytes_buf(nonce.data(), size_t(nonce.size()));
    return nonce;
}

QByteArray keyId(const QByteArray& key)
{
    static constexpr char Purpose[] = "who sealed this archive";
    QByteArray out(IdBytes, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char*>(out.data()), size_t(out.size()),
                       reinterpret_cast<const unsigned char*>(Purpose), sizeof Purpose - 1, bytes(key),
                       size_t(key.size()));
    return out;
}

namespace {

constexpr char NoteVersion = 1;

/// The page size and page count an SQLite file's header gives (both 0 for a file that has no such header).
std::pair<quint32, quint32> pagesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QByteArray header = file.read(100);
    if (header.size() < 100)
        return {0, 0};
    const auto byte = [&header](int at) { return quint32(static_cast<unsigned char>(header[at])); };
    const quint32 size = byte(16) << 8 | byte(17);
    const quint32 count = byte(28) << 24 | byte(29) << 16 | byte(30) << 8 | byte(31);
    return {size == 1 ? 65536 : size, count};
}

} // namespace

QByteArray note(const QString& database, bool checked)
{
    const auto [size, count] = pagesOf(database);
    QByteArray out;
    out.append(NoteVersion);
    out.append(char(checked ? 1 : 0));
    putLe(out, size, 4);
    putLe(out, count, 4);
    return out.leftJustified(NoteBytes, '\0');
}

bool vouchesFor(const QByteArray& note, const QString& path)
{
    if (note.size() != NoteBytes || note[0] != NoteVersion || note[1] != 1)
        return false;
    const auto [size, count] = pagesOf(path);
    return size != 0 && count != 0 && size == getLe(note.constData() + 2, 4) &&
           count == getLe(note.constData() + 6, 4) && QFileInfo(path).size() == qint64(size) * qint64(count);
}

bool meantAsFrame(const char* p)
{
    return getLe(p, 4) == Magic || std::memcmp(p + 8, Tag, TagBytes) == 0;
}

std::optional<Fields> read(const char* p)
{
    if (!ready() || getLe(p, 4) != Magic || getLe(p + 4, 4) != quint64(PayloadBytes) ||
        std::memcmp(p + 8, Tag, TagBytes) != 0 ||
        digestOf(p, FrameBytes - DigestBytes) != QByteArray(p + FrameBytes - DigestBytes, DigestBytes))
        return std::nullopt;
    const char* at = p + 8 + TagBytes;
    Fields fields;
    fields.keyId = QByteArray(at, IdBytes);
    fields.nonce = QByteArray(at + IdBytes, NonceBytes);
    fields.size = getLe(at + IdBytes + NonceBytes, 8);
    fields.note = QByteArray(at + IdBytes + NonceBytes + 8, NoteBytes);
    fields.authenticated = QByteArray(p + 8, AuthenticatedBytes);
    fields.mac = QByteArray(p + 8 + AuthenticatedBytes, MacBytes);
    return fields;
}

QByteArray frame(const QByteArray& key, const QByteArray& nonce, quint64 size, const QByteArray& note)
{
    QByteArray out;
    putLe(out, Magic, 4);
    putLe(out, PayloadBytes, 4);
    out.append(Tag, TagBytes);
    out.append(keyId(key));
    out.append(nonce);
    putLe(out, size, 8);
    out.append(note.left(NoteBytes).leftJustified(NoteBytes, '\0'));
    return out;
}

QByteArray finish(QByteArray unfinished, const QByteArray& mac)
{
    unfinished.append(mac);
    unfinished.append(digestOf(unfinished.constData(), unfinished.size()));
    return unfinished;
}

Authenticator::Authenticator(const QByteArray& key, const QByteArray& nonce)
{
    unsigned char oneTime[crypto_onetimeauth_KEYBYTES];
    crypto_generichash(oneTime, sizeof oneTime, bytes(nonce), size_t(nonce.size()), bytes(key), size_t(key.size()));
    crypto_onetimeauth_init(&m_state, oneTime);
    sodium_memzero(oneTime, sizeof oneTime);
    m_thread = std::thread([this] { run(); });
}

Authenticator::~Authenticator()
{
    stop();
}

void Authenticator::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void Authenticator::add(const char* data, size_t size)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_full.size() < QueuedBlocks; });
    QByteArray block;
    if (!m_free.empty()) {
        block = std::move(m_free.front());
        m_free.pop_front();
    }
    lock.unlock();
    block.resize(qsizetype(size));
    std::memcpy(block.data(), data, size);
    lock.lock();
    m_full.push_back(std::move(block));
    lock.unlock();
    m_changed.notify_all();
}

void Authenticator::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_full.empty() || m_ending; });
        if (m_full.empty())
            return;
        QByteArray block = std::move(m_full.front());
        m_full.pop_front();
        lock.unlock();
        m_changed.notify_all();
        crypto_onetimeauth_update(&m_state, bytes(block), size_t(block.size()));
        lock.lock();
        m_free.push_back(std::move(block));
    }
}

QByteArray Authenticator::finish(const QByteArray& tail)
{
    stop();
    crypto_onetimeauth_update(&m_state, bytes(tail), size_t(tail.size()));
    QByteArray mac(MacBytes, Qt::Uninitialized);
    crypto_onetimeauth_final(&m_state, reinterpret_cast<unsigned char*>(mac.data()));
    return mac;
}

} // namespace ArchiveSeal
