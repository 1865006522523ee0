#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

/// The backup archive codec: a ".SPA" archive is one standard zstd frame with its content checksum, so the
/// `zstd` command opens it and an archive packed by that command restores. Its calls keep the contract the
/// backup and restore rest on: a result code 0-5, a progress callback (total, done, abort) called on the
/// caller's thread, and a stop with code 2 once the callback has set abort to -1.
namespace ttsgz {

enum Result : int
{
    NoError = 0,
    BadFileName = 1,
    UserAbort = 2,
    ReadError = 3,
    WriteError = 4,
    OutOfMemory = 5,
};

/// total and done count bytes of the file being read; abort is 0 on entry, -1 asks to stop.
using ProgressCallback = std::function<void(qint64 total, qint64 done, int& abort)>;

/// The callback called by the next Zcompress and Zuncompress calls; it replaces an earlier one.
void registerCallback(ProgressCallback callback);
void unregisterCallback();

/// What a backup adds after the data for its own restore: a skippable frame (which `zstd -d` passes over) holding
/// the caller's note and an authenticator of the data and the note under the desk's secret key, so that a restore
/// at a desk holding the key knows the file is, byte for byte, the one the backup read and described.
/// The key is KeyBytes of the desk's secret; the note, NoteBytes the caller reads back at the restore.
struct Seal
{
    static constexpr qsizetype KeyBytes = 32;
    static constexpr qsizetype NoteBytes = 16;
};

/// Packs source into archive. option is a compression level ("0" or empty: the standard level 3); flag is
/// accepted as the callers pass it (-1). The archive appears under its name only when it is complete. With a key
/// of KeyBytes the seal follows the data; note is asked for once the data is packed.
int zcompress(const QString& source, const QString& archive, const QString& option, int flag);
int zcompress(const QString& source, const QString& archive, const QString& option, const QByteArray& key,
              const std::function<QByteArray()>& note);

/// What an unpack found of a seal.
struct Unsealed
{
    enum class State
    {
        None,     // no seal: an archive of an older version or of the zstd command
        OtherKey, // a sound seal made under another key (another desk): nothing is known from it
        Verified, // made under this key, and the data and the note are exactly what was sealed
    };
    State state = State::None;
    QByteArray note;
};

/// Why an unpack stopped, beyond its code, for a message that names the reason.
struct Stopped
{
    enum class Why
    {
        Other,        // the code says it all (a cancel, a file that cannot be opened)
        NotAnArchive, // the file does not begin as one of our archives does
        Damaged,      // the bytes stop making sense at offset: a flipped bit, a cut-off end
        NoDiskSpace,  // the unpacked file needs more than the target's folder has free
    };
    Why why = Why::Other;
    qint64 offset = 0; // Damaged: the byte of the archive where decoding stopped
    qint64 needed = 0; // NoDiskSpace: the unpacked size (0 when the archive does not say) and the room left
    qint64 available = 0;
};

/// Unpacks archive into target. The data is written beside the target and renamed into place only after every
/// frame has ended and its checksum matched, so 0 means a complete file and any other code leaves target as it
/// was. option is accepted as the callers pass it ("0"). stopped, when given, says why a failure happened.
/// A seal that is damaged, not the archive's last frame, or made under key but not matching the data is a damaged
/// archive. unsealed, when given, says what was found.
int zuncompress(const QString& archive, const QString& target, const QString& option, Stopped* stopped = nullptr,
                const QByteArray& key = {}, Unsealed* unsealed = nullptr);

/// The text of a codec result: "No error", "Bad file name", ... "Unknown error" for a code outside 0-5.
QString errorText(int code);

} // namespace ttsgz
