#include "maintenance/ArchiveCodec.h"

#include "core/FileSecurity.h"
#include "maintenance/ArchiveSeal.h"
#include "maintenance/SafeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <zstd.h>
#include <zstd_errors.h>

namespace ttsgz {

namespace {

ProgressCallback& registeredCallback()
{
    static ProgressCallback callback;
    return callback;
}

/// Asks the registered callback; true when it wants the work stopped.
bool aborted(qint64 total, qint64 done)
{
    if (!registeredCallback())
        return false;
    int abort = 0;
    registeredCallback()(total, done, abort);
    return abort != 0;
}

// Large blocks keep the number of system calls and callback calls small on a file of hundreds of megabytes.
constexpr qsizetype BlockSize = 1 << 20;

/// The output written under the ".part" name; it takes the final name only through Commit, and a file that
/// was never committed is removed.
class PartFile final
{
public:
    explicit PartFile(const QString& target) : m_target(target), m_file(SafeFiles::partName(target)) {}
    ~PartFile()
    {
        if (!m_committed) {
            m_file.close();
            QFile::remove(m_file.fileName());
        }
    }
    Q_DISABLE_COPY_MOVE(PartFile)

    bool open()
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return false;
        // A file system without owners (a memory stick) cannot restrict it; the copy is still wanted there.
        static_cast<void>(FileSecurity::restrictToOwner(m_file.fileName()));
        return true;
    }
    bool write(const void* data, size_t size)
    {
        return size == 0 || m_file.write(static_cast<const char*>(data), qint64(size)) == qint64(size);
    }
    bool commit()
    {
        const bool synced = SafeFiles::sync(m_file);
        m_file.close();
        m_committed = synced && SafeFiles::replace(m_file.fileName(), m_target).ok();
        return m_committed;
    }

private:
    QString m_target;
    QFile m_file;
    bool m_committed = false;
};

bool folderExists(const QString& path)
{
    return QFileInfo(path).absoluteDir().exists();
}

int codeOf(size_t zstdResult, int otherwise)
{
    switch (ZSTD_getErrorCode(zstdResult)) {
    case ZSTD_error_memory_allocation:
    case ZSTD_error_frameParameter_windowTooLarge:
        return OutOfMemory;
    default:
        return otherwise;
    }
}

constexpr quint32 FrameMagic = 0xFD2FB528U;
constexpr quint32 SkippableMagic = 0x184D2A50U; // the low four bits are free
constexpr unsigned char ChecksumFlag = 0x04;    // in the frame header descriptor after the magic number
constexpr size_t FrameHeaderMax = 18;           // magic, descriptor, window, dictionary and size fields

// The decoder is fed one block's worth at a time, so a failure can be placed within a block of where it is.
constexpr size_t DecodeSlice = ZSTD_BLOCKSIZE_MAX + 3;

/// The length of the frame header that starts at p (its descriptor byte is p[4]).
size_t frameHeaderLength(const char* p)
{
    const auto descriptor = static_cast<unsigned char>(p[4]);
    const unsigned sizeFlag = descriptor >> 6;
    const bool singleSegment = descriptor & 0x20;
    static constexpr size_t DictionaryBytes[] = {0, 1, 2, 4};
    static constexpr size_t SizeBytes[] = {0, 2, 4, 8};
    const size_t sizeBytes = sizeFlag == 0 ? (singleSegment ? 1 : 0) : SizeBytes[sizeFlag];
    return 5 + (singleSegment ? 0 : 1) + DictionaryBytes[descriptor & 3] + sizeBytes;
}

quint32 readLe32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

} // namespace

void registerCallback(ProgressCallback callback)
{
    registeredCallback() = std::move(callback);
}

void unregisterCallback()
{
    registeredCallback() = nullptr;
}

int zcompress(const QString& source, const QString& archive, const QString& option, int flag)
{
    Q_UNUSED(flag); // the callers always pass -1; the archive always carries its checksum
    return zcompress(source, archive, option, QByteArray(), {});
}

int zcompress(const QString& source, const QString& archive, const QString& option, const QByteArray& key,
              const std::function<QByteArray()>& note)
{
    if (source.isEmpty() || archive.isEmpty() || !QFileInfo(source).isFile() || !folderExists(archive))
        return BadFileName;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return BadFileName;
    bool isNumber = false;
    int level = option.trimmed().toInt(&isNumber);
    if (!isNumber || level <= 0 || level > ZSTD_maxCLevel())
        level = 3;

    std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(), &ZSTD_freeCCtx);
    QByteArray inBuffer(BlockSize, Qt::Uninitialized);
    QByteArray outBuffer(BlockSize, Qt::Uninitialized);
    if (!context)
        return OutOfMemory;
    const qint64 total = in.size();
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, level);
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    // One worker compresses while this thread reads and writes, as the zstd command does; a library built
    // without threads refuses the setting and compresses in line.
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_nbWorkers, 1);
    ZSTD_CCtx_setPledgedSrcSize(context.get(), static_cast<unsigned long long>(total));

    PartFile out(archive);
    if (!out.open())
        return WriteError;
    if (aborted(total, 0))
        return UserAbort;
    const bool sealed = key.size() == Seal::KeyBytes;
    const QByteArray nonce = sealed ? ArchiveSeal::newNonce() : QByteArray();
    std::optional<ArchiveSeal::Authenticator> authenticator;
    if (sealed)
        authenticator.emplace(key, nonce);
    qint64 done = 0;
    for (;;) {
        const qint64 got = in.read(inBuffer.data(), inBuffer.size());
        if (got < 0)
            return ReadError;
        if (authenticator && got > 0)
            authenticator->add(inBuffer.constData(), size_t(got));
        const bool last = got == 0;
        ZSTD_inBuffer input{inBuffer.constData(), size_t(got), 0};
        bool finished = false;
        while (!finished) {
            ZSTD_outBuffer output{outBuffer.data(), size_t(outBuffer.size()), 0};
            const size_t remaining =
                ZSTD_compressStream2(context.get(), &output, &input, last ? ZSTD_e_end : ZSTD_e_continue);
            // A file that changed size while it was read no longer matches its header: a read error.
            if (ZSTD_isError(remaining))
                return codeOf(remaining, ReadError);
            if (!out.write(output.dst, output.pos))
                return WriteError;
            finished = last ? remaining == 0 : input.pos == input.size;
        }
        if (last)
            break;
        done += got;
        if (aborted(total, done))
            return UserAbort;
    }
    if (authenticator) {
        const QByteArray unfinished = ArchiveSeal::frame(key, nonce, quint64(done), note ? note() : QByteArray());
        const QByteArray frame = ArchiveSeal::finish(unfinished, authenticator->finish(unfinished.mid(8)));
        if (!out.write(frame.constData(), size_t(frame.size())))
            return WriteError;
    }
    return out.commit() ? NoError : WriteError;
}

int zuncompress(const QString& archive, const QString& target, const QString& option, Stopped* stopped,
                const QByteArray& key, Unsealed* unsealed)
{
    Q_UNUSED(option); // the callers always pass "0"
    Stopped ignored;
    Stopped& why = stopped ? *stopped : ignored;
    why = Stopped{};
    Unsealed noSeal;
    Unsealed& seal = unsealed ? *unsealed : noSeal;
    seal = Unsealed{};
    if (archive.isEmpty() || target.isEmpty() || !QFileInfo(archive).isFile() || !folderExists(target))
        return BadFileName;
    QFile in(archive);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return BadFileName;
    std::unique_ptr<ZSTD_DCtx, decltype(&ZSTD_freeDCtx)> context(ZSTD_createDCtx(), &ZSTD_freeDCtx);
    QByteArray inBuffer(BlockSize, Qt::Uninitialized);
    QByteArray outBuffer(BlockSize, Qt::Uninitialized);
    if (!context)
        return OutOfMemory;
    PartFile out(target);
    if (!out.open())
        return WriteError;
    const QString folder = QFileInfo(target).absolutePath();

    const qint64 total = in.size();
    qint64 done = 0;
    if (aborted(total, 0))
        return UserAbort;
    char* const buffer = inBuffer.data();
    size_t length = 0;       // bytes held in the input buffer
    size_t position = 0;     // the first of them not yet decoded
    bool atEnd = false;      // the archive has been read to its end
    bool frameStart = true;  // the next byte begins a frame
    bool outputFull = false; // the decoder may hold more output for the same input
    int frames = 0;
    qint64 declared = 0;  // the first frame's unpacked size, when its header gives it
    size_t headerEnd = 0; // the end of a frame header in the buffer still to be decoded
    // The archive's offset of a byte held in the buffer.
    const auto offsetOf = [&](size_t at) { return done - qint64(length) + qint64(at); };
    const auto damaged = [&](qint64 offset) {
        why = {Stopped::Why::Damaged, offset};
        return ReadError;
    };
    const auto noSpace = [&](qint64 needed, qint64 available) {
        why = {Stopped::Why::NoDiskSpace, 0, needed, available};
        return WriteError;
    };
    // A seal is the archive's last frame, read before the data so its authenticator can follow the data as it comes.
    qint64 sealAt = -1;
    std::optional<ArchiveSeal::Fields> fields;
    std::optional<ArchiveSeal::Authenticator> authenticator;
    if (total >= ArchiveSeal::FrameBytes) {
        QByteArray tail(ArchiveSeal::FrameBytes, Qt::Uninitialized);
        if (!in.seek(total - ArchiveSeal::FrameBytes) || in.read(tail.data(), tail.size()) != tail.size() ||
            !in.seek(0))
            return ReadError;
        if (ArchiveSeal::meantAsFrame(tail.constData())) {
            sealAt = total - ArchiveSeal::FrameBytes;
            fields = ArchiveSeal::read(tail.constData());
            if (!fields)
                return damaged(sealAt);
            seal.state = Unsealed::State::OtherKey;
            if (key.size() == Seal::KeyBytes && fields->keyId == ArchiveSeal::keyId(key))
                authenticator.emplace(key, fields->nonce);
        }
    }
    bool sealSeen = false;
    qint64 unpacked = 0;
    for (;;) {
        const size_t held = length - position;
        // A frame's header is read whole, even across two blocks, and so is a seal.
        const size_t wanted =
            sealAt >= 0 && offsetOf(position) == sealAt ? size_t(ArchiveSeal::FrameBytes) : FrameHeaderMax;
        const bool needInput = !outputFull && (held == 0 || (frameStart && held < wanted));
        if (needInput && !atEnd) {
            std::memmove(buffer, buffer + position, held);
            length = held;
            position = 0;
            const qint64 got = in.read(buffer + length, inBuffer.size() - qint64(length));
            if (got < 0)
                return ReadError;
            atEnd = got == 0;
            length += size_t(got);
            done += got;
            if (got > 0 && aborted(total, done))
                return UserAbort;
            continue;
        }
        if (needInput && held == 0)
            break; // the archive ends here: it must end at a frame's end
        if (frameStart) {
            const bool first = frames == 0 && offsetOf(position) == 0;
            if (held < 5) {
                if (first)
                    why.why = Stopped::Why::NotAnArchive;
                return first ? ReadError : damaged(offsetOf(position));
            }
            const quint32 magic = readLe32(buffer + position);
            if (magic == FrameMagic) {
                // Only a frame that carries its checksum can prove that it came back whole.
                if (!(static_cast<unsigned char>(buffer[position + 4]) & ChecksumFlag)) {
                    if (first)
                        why.why = Stopped::Why::NotAnArchive;
                    return first ? ReadError : damaged(offsetOf(position) + 4);
                }
                if (frames++ == 0) {
                    // A file that cannot fit is refused before a byte of it is written.
                    const unsigned long long size = ZSTD_getFrameContentSize(buffer + position, held);
                    if (size != ZSTD_CONTENTSIZE_UNKNOWN && size != ZSTD_CONTENTSIZE_ERROR) {
                        declared = qint64(std::min<unsigned long long>(size, std::numeric_limits<qint64>::max()));
                        const qint64 available = QStorageInfo(folder).bytesAvailable();
                        if (available >= 0 && declared > available)
                            return noSpace(declared, available);
                    }
                }
            } else if ((magic & 0xFFFFFFF0U) == SkippableMagic && held >= 16 &&
                       ArchiveSeal::meantAsFrame(buffer + position)) {
                // Only the seal read before the data, in its place at the end, is taken; any other is damage.
                if (offsetOf(position) != sealAt || held < size_t(ArchiveSeal::FrameBytes))
                    return damaged(offsetOf(position));
                position += size_t(ArchiveSeal::FrameBytes);
                sealSeen = true;
                continue;
            } else if ((magic & 0xFFFFFFF0U) != SkippableMagic) {
                if (first)
                    why.why = Stopped::Why::NotAnArchive;
                return first ? ReadError : damaged(offsetOf(position));
            }
            frameStart = false;
            // The header goes to the decoder on its own: damage right after it is placed exactly.
            if (magic == FrameMagic)
                headerEnd = position + frameHeaderLength(buffer + position);
        }
        const size_t sliceEnd = headerEnd > position ? std::min(length, headerEnd) : position + DecodeSlice;
        ZSTD_inBuffer input{buffer, std::min(length, sliceEnd), position};
        ZSTD_outBuffer output{outBuffer.data(), size_t(outBuffer.size()), 0};
        const size_t hint = ZSTD_decompressStream(context.get(), &output, &input);
        if (ZSTD_isError(hint)) {
            const int code = codeOf(hint, ReadError);
            return code == ReadError ? damaged(offsetOf(input.pos)) : code;
        }
        if (authenticator && output.pos > 0)
            authenticator->add(static_cast<const char*>(output.dst), output.pos);
        unpacked += qint64(output.pos);
        if (!out.write(output.dst, output.pos)) {
            // A full disk is said as such; any other write failure is the plain code.
            const qint64 available = QStorageInfo(folder).bytesAvailable();
            if (available >= 0 && available < BlockSize)
                return noSpace(declared, available);
            return WriteError;
        }
        position = input.pos;
        if (position >= headerEnd)
            headerEnd = 0;
        outputFull = output.pos == output.size;
        if (hint == 0) {
            frameStart = true; // the frame ended, was flushed whole, and its checksum matched
            outputFull = false;
        }
    }
    if (frames == 0) {
        why.why = Stopped::Why::NotAnArchive;
        return ReadError;
    }
    if (!frameStart)
        return damaged(total); // cut off before its frame ended
    if (sealAt >= 0 && (!sealSeen || fields->size != quint64(unpacked)))
        return damaged(sealAt);
    if (authenticator) {
        const QByteArray mac = authenticator->finish(fields->authenticated);
        // Not the data or the note this desk sealed: forged, or a seal taken from another archive.
        if (mac.size() != fields->mac.size() ||
            crypto_verify_16(reinterpret_cast<const unsigned char*>(mac.constData()),
                             reinterpret_cast<const unsigned char*>(fields->mac.constData())) != 0)
            return damaged(sealAt);
        seal.state = Unsealed::State::Verified;
        seal.note = fields->note;
    }
    if (!out.commit()) {
        seal = Unsealed{};
        return WriteError;
    }
    return NoError;
}

QString errorText(int code)
{
    switch (code) {
    case ttsgz::NoError:
        return QCoreApplication::translate("ttsgz", "No error");
    case ttsgz::BadFileName:
        return QCoreApplication::translate("ttsgz", "Bad file name");
    case ttsgz::UserAbort:
        return QCoreApplication::translate("ttsgz", "User abort");
    case ttsgz::ReadError:
        return QCoreApplication::translate("ttsgz", "Read error");
    case ttsgz::WriteError:
        return QCoreApplication::translate("ttsgz", "Write error");
    case ttsgz::OutOfMemory:
        return QCoreApplication::translate("ttsgz", "Out of memory");
    default:
        return QCoreApplication::translate("ttsgz", "Unknown error");
    }
}

} // namespace ttsgz
