#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <sodium.h>
#include <thread>

/// The frame a backup adds after its data: a zstd skippable frame holding what the backup knew of the file and a
/// Poly1305 authenticator of the data and that note, under a one-time key drawn from the desk's secret key and a
/// fresh nonce. The frame's own fields end in a plain BLAKE2b digest, so a flipped bit in it is told from a frame
/// made under another desk's key.
namespace ArchiveSeal {

constexpr quint32 Magic = 0x184D2A5EU; // one of zstd's sixteen skippable magic numbers
constexpr qsizetype PayloadBytes = 96;
constexpr qsizetype FrameBytes = 8 + PayloadBytes;

/// The desk's secret key (32 bytes), kept owner-only in the data folder and made the first time it is asked for;
/// empty when it can be neither read nor made, and then backups carry no frame.
QByteArray deskKey();

/// A fresh random nonce for one archive.
QByteArray newNonce();

/// What a backup knew of the database file it packed: its page size and count, and whether SQLite's quick check
/// passed on it under the backup's read lock (NoteBytes).
QByteArray note(const QString& database, bool checked);
/// Whether note, verified with the data it was sealed with, vouches for the unpacked file at path: the backup found
/// it sound, and its header and size are the ones the backup read.
bool vouchesFor(const QByteArray& note, const QString& path);

/// The fields of a frame; authenticated is what the authenticator covers after the data.
struct Fields
{
    QByteArray keyId;
    QByteArray nonce;
    quint64 size = 0; // the bytes of data the frame speaks for
    QByteArray note;
    QByteArray mac;
    QByteArray authenticated;
};

/// Whether the FrameBytes at p are meant as a frame of ours: its magic number, or its tag (either may be damaged).
bool meantAsFrame(const char* p);
/// The frame at p (FrameBytes), or nothing when its own digest does not match.
std::optional<Fields> read(const char* p);
/// The start of the frame for size bytes of data: magic number, length and the fields the authenticator covers
/// after the data (all but the first 8 bytes).
QByteArray frame(const QByteArray& key, const QByteArray& nonce, quint64 size, const QByteArray& note);
/// The whole frame: its start, the authenticator of the data and the start's fields, and the frame's digest.
QByteArray finish(QByteArray unfinished, const QByteArray& mac);
/// Who made a frame: a digest of the key, so a frame of another desk is known without trying its key.
QByteArray keyId(const QByteArray& key);

/// Poly1305 of a stream of blocks under the one-time key for nonce, computed on a thread of its own so the codec's
/// thread does not wait for it; the blocks are copied into buffers it recycles.
class Authenticator final
{
public:
    Authenticator(const QByteArray& key, const QByteArray& nonce);
    ~Authenticator();
    Authenticator(const Authenticator&) = delete;
    Authenticator& operator=(const Authenticator&) = delete;

    void add(const char* data, size_t size);
    /// The authenticator of everything added, then of tail.
    QByteArray finish(const QByteArray& tail);

private:
    void run();
    void stop();

    crypto_onetimeauth_state m_state{};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_full;
    std::deque<QByteArray> m_free;
    bool m_ending = false;
    std::thread m_thread;
};

} // namespace ArchiveSeal
