#include "core/CsvReader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <array>

namespace CsvRead {
namespace {
// Read in pieces of this size: large enough to be quick, small enough that the file's length does not matter.
constexpr qint64 ChunkBytes = 64 * 1024;
// The first bytes the format is guessed from.
constexpr qint64 HeadBytes = 64 * 1024;
constexpr int HeadLines = 10;

// Windows-1252's characters for the bytes 0x80..0x9F; the other bytes are the Latin-1 characters of the same
// number. The five bytes the code page leaves undefined read as Latin-1 controls, as Windows itself reads them.
constexpr std::array<char16_t, 32> Cp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

// Whether bytes are valid UTF-8; a sequence cut off at the end of a sample counts as valid.
bool validUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        int more = 0;
        if (b < 0x80)
            more = 0;
        else if (b >= 0xC2 && b <= 0xDF)
            more = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            more = 2;
        else if (b >= 0xF0 && b <= 0xF4)
            more = 3;
        else
            return false;
        for (int k = 1; k <= more; ++k) {
            if (i + k >= n)
                return true;
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += more + 1;
    }
    return true;
}

QString lineText(qint64 line)
{
    return QCoreApplication::translate("CsvRead", "line %1").arg(line);
}
} // namespace

Format detect(const QByteArray& head)
{
    Format format;
    format.encoding = validUtf8(head) ? Encoding::Utf8 : Encoding::Windows1252;
    // Count each candidate outside quotes on the first lines: the one found on every line, the same number of
    // times on most of them, wins; ties go to the earlier of comma, semicolon, tab.
    QList<std::array<int, 3>> counts;
    std::array<int, 3> line{};
    bool quoted = false;
    for (const char c : head) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (line != std::array<int, 3>{})
                counts.append(line);
            line = {};
            if (counts.size() == HeadLines)
                break;
        } else if (!quoted) {
            for (int k = 0; k < 3; ++k)
                if (c == char(Delimiters[k]))
                    ++line[k];
        }
    }
    if (line != std::array<int, 3>{} && counts.size() < HeadLines)
        counts.append(line);
    int best = -1;
    int bestScore = 0;
    for (int k = 0; k < 3; ++k) {
        if (counts.isEmpty() || counts.first()[k] == 0)
            continue;
        int steady = 0;
        for (const auto& c : counts)
            if (c[k] == counts.first()[k])
                ++steady;
        const int score = steady * 1000 + counts.first()[k];
        if (score > bestScore) {
            bestScore = score;
            best = k;
        }
    }
    if (best >= 0)
        format.delimiter = Delimiters[best];
    return format;
}

Format detect(QIODevice& in)
{
    const qint64 at = in.pos();
    const QByteArray head = in.read(HeadBytes);
    in.seek(at);
    return detect(head);
}

Reader::Reader(QIODevice& in, Format format) : m_in(in), m_format(format) {}

QString Reader::decode(const QByteArray& bytes)
{
    if (m_format.encoding == Encoding::Windows1252)
        return fromCp1252(bytes);
    return m_utf8.decode(bytes); // a sequence split between two reads is completed by the next
}

bool Reader::fill()
{
    if (m_ended)
        return false;
    const QByteArray bytes = m_in.read(ChunkBytes);
    if (bytes.isEmpty()) {
        if (!m_in.atEnd())
            m_deviceError = m_in.errorString();
        m_ended = true;
        return false;
    }
    if (bytes.contains('\0')) {
        m_text.clear();
        m_at = -1; // marks the binary file for next()
        return false;
    }
    m_bytesRead += bytes.size();
    m_text = decode(bytes);
    m_at = 0;
    if (!m_started) {
        m_started = true;
        if (m_text.startsWith(QChar(0xFEFF)))
            m_at = 1;
    }
    return true;
}

Result<std::optional<QStringList>> Reader::next()
{
    enum class State
    {
        Plain,     // outside quotes
        Quoted,    // inside a quoted part of the field
        QuoteSeen, // a quote inside a quoted part: a doubled quote, or the end of the quoted part
    };
    QStringList record;
    QString field;
    State state = State::Plain;
    bool anything = false; // the record has a character, a quote or a delimiter (a blank line has none)
    m_recordLine = m_line;
    for (;;) {
        if (m_at < 0)
            break;
        if (m_at >= m_text.size() && !fill())
            break;
        const QChar* chars = m_text.constData();
        const qsizetype size = m_text.size();
        while (m_at < size) {
            const char16_t c = chars[m_at++].unicode();
            if (m_skipLineFeed) {
                m_skipLineFeed = false;
                if (c == u'\n')
                    continue;
            }
            if (state == State::QuoteSeen) {
                if (c == u'"') {
                    field += u'"';
                    state = State::Quoted;
                    continue;
                }
                state = State::Plain;
            }
            if (state == State::Quoted) {
                if (c == u'"') {
                    state = State::QuoteSeen;
                    continue;
                }
                if (c == u'\r' || c == u'\n') {
                    ++m_line;
                    m_skipLineFeed = c == u'\r';
                    field += u'\n';
                } else {
                    field += QChar(c);
                }
            } else if (c == m_format.delimiter) {
                record.append(field);
                field.clear();
                anything = true;
                continue;
            } else if (c == u'\r' || c == u'\n') {
                ++m_line;
                m_skipLineFeed = c == u'\r';
                if (!anything) {
                    m_recordLine = m_line; // a blank line: the record starts on the next one
                    continue;
                }
                record.append(field);
                return std::optional<QStringList>(std::move(record));
            } else if (c == u'"' && field.isEmpty()) {
                state = State::Quoted;
                anything = true;
                continue;
            } else {
                field += QChar(c);
                anything = true;
            }
            if (field.size() > MaxFieldChars)
                return refused(QCoreApplication::translate("CsvRead",
                                                           "The file has a field longer than a million characters "
                                                           "(%1): it does not look like a list of records.")
                                   .arg(lineText(m_recordLine)));
        }
    }
    if (m_at < 0)
        return refused(QCoreApplication::translate("CsvRead",
                                                   "The file holds binary data (a NUL byte near %1): it is not a "
                                                   "CSV file.")
                           .arg(lineText(m_line)));
    if (!m_deviceError.isEmpty())
        return fileFailure(m_deviceError);
    if (!anything)
        return std::optional<QStringList>();
    record.append(field);
    return std::optional<QStringList>(std::move(record));
}

} // namespace CsvRead
