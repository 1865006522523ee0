#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

/// Reads a PDF file back with poppler's tools (a reader nobody here wrote); nothing when the tool is missing or
/// refuses the file.
namespace PdfReader {

inline std::optional<QString> run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The text of each page as `pdftotext -layout` lays it out.
inline QStringList pages(const QString& path)
{
    const auto text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text)
        return {};
    QStringList pages = text->split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

/// The page count `pdfinfo` reports; 0 when it cannot read the file.
inline int pageCount(const QString& path)
{
    const auto info = run(QStringLiteral("pdfinfo"), {path});
    if (!info)
        return 0;
    for (const QString& line : info->split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

/// The lines of a page with their blanks squeezed to one, so a test need not know the column positions, and
/// the font's ligatures ("ﬁ") written out as their letters.
inline QStringList lines(const QString& page)
{
    QStringList lines;
    for (const QString& line : page.split(u'\n'))
        if (const QString simple = line.normalized(QString::NormalizationForm_KC).simplified(); !simple.isEmpty())
            lines << simple;
    return lines;
}

/// Where a word stands on the first page it appears on, in points from the page's top left (`pdftotext -bbox`).
inline std::optional<QRectF> wordBox(const QString& path, const QString& word)
{
    const auto html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!html)
        return std::nullopt;
    static const QRegularExpression pattern(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = pattern.globalMatch(*html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(5) == word.toHtmlEscaped())
            return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                          QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
    }
    return std::nullopt;
}

} // namespace PdfReader
