#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

class QIODevice;

/// Reading comma-separated files as spreadsheets and other programs write them: fields in double quotes with
/// doubled quotes inside and line breaks, any mix of line ends, a last line without one, a byte-order mark. The file
/// is read record by record, so memory does not grow with its length.
namespace CsvRead {

enum class Encoding
{
    Utf8,
    Windows1252
};

/// How a file is written: its encoding and the character between fields (',', ';' or a tab).
struct Format
{
    Encoding encoding = Encoding::Utf8;
    char16_t delimiter = u',';
};

/// The longest field read, in characters: a longer one is refused as not being an export of records.
inline constexpr qsizetype MaxFieldChars = 1 << 20;

/// The format guessed from the first bytes of the file: UTF-8 when they are valid UTF-8 (with or without a
/// byte-order mark), else Windows-1252; the delimiter that splits the first lines most evenly (a comma when none
/// does). The device is left where it was.
Format detect(QIODevice& in);
/// The same from bytes already read.
Format detect(const QByteArray& head);

/// The delimiters offered, in order: comma, semicolon, tab.
inline constexpr char16_t Delimiters[] = {u',', u';', u'\t'};

class Reader final
{
public:
    /// Reads from the device's current position.
    Reader(QIODevice& in, Format format);

    /// The next record's fields; nothing at the end of the file. Blank lines are passed over. A file with a NUL byte
    /// or a field over MaxFieldChars is Refused with the line named, a device that fails is a File failure.
    Result<std::optional<QStringList>> next();
    /// The line of the file the last record started on, from 1.
    qint64 line() const { return m_recordLine; }
    /// How many bytes of the file have been read so far, for a progress bar.
    qint64 bytesRead() const { return m_bytesRead; }

private:
    bool fill();
    QString decode(const QByteArray& bytes);

    QIODevice& m_in;
    Format m_format;
    QString m_text;
    qsizetype m_at = 0;
    qint64 m_line = 1;
    qint64 m_recordLine = 0;
    qint64 m_bytesRead = 0;
    QStringDecoder m_utf8{QStringDecoder::Utf8};
    bool m_skipLineFeed = false; // a carriage return ended the last record: a line feed after it belongs to it
    bool m_started = false;
    bool m_ended = false;
    QString m_deviceError;
};

} // namespace CsvRead
