#include "core/ui/PdfPages.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <set>

namespace PdfPages {
namespace {

Failure unreadable()
{
    return fileFailure(QCoreApplication::translate(
        "PdfPages", "The PDF could not be divided into letters: it is not laid out as expected."));
}

/// One object as written: its number, where its text starts and ends in the file, and where its stream (if any)
/// begins, so references are read and renumbered in the dictionary only.
struct Object
{
    int number = 0;
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype stream = -1; // offset of "stream", -1 without one
};

struct Parsed
{
    QByteArray header; // the bytes before the first object
    std::map<int, Object> objects;
    int root = 0;
};

const QRegularExpression& referencePattern()
{
    static const QRegularExpression pattern(QStringLiteral("(\\d+) 0 R\\b"));
    return pattern;
}

/// The object's dictionary text (from after its "n 0 obj" line to its stream or end).
QByteArray dictionaryOf(const QByteArray& pdf, const Object& o)
{
    const qsizetype end = o.stream >= 0 ? o.stream : o.end;
    return pdf.mid(o.start, end - o.start);
}

QList<int> referencesIn(const QByteArray& dictionary)
{
    QList<int> refs;
    auto it = referencePattern().globalMatch(QString::fromLatin1(dictionary));
    while (it.hasNext())
        refs << it.next().captured(1).toInt();
    return refs;
}

std::optional<Parsed> parse(const QByteArray& pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return std::nullopt;
    bool ok = false;
    const qsizetype xref = pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || xref <= 0 || xref >= startxref || !pdf.mid(xref).startsWith("xref"))
        return std::nullopt;
    const qsizetype countLine = pdf.indexOf('\n', xref) + 1;
    const qsizetype entries = pdf.indexOf('\n', countLine) + 1;
    const QList<QByteArray> counts = pdf.mid(countLine, entries - countLine).trimmed().split(' ');
    if (countLine <= 0 || entries <= 0 || counts.size() != 2 || counts[0] != "0")
        return std::nullopt;
    const int size = counts[1].toInt(&ok);
    if (!ok || size < 3 || entries + qsizetype(size) * 20 > startxref)
        return std::nullopt;
    Parsed parsed;
    std::vector<qsizetype> offsets;
    for (int i = 1; i < size; ++i) {
        const QByteArray entry = pdf.mid(entries + qsizetype(i) * 20, 20);
        if (entry.size() != 20 || entry[17] != 'n')
            continue;
        const qsizetype at = entry.left(10).toLongLong(&ok);
        if (!ok || at <= 0 || at >= xref)
            return std::nullopt;
        Object o;
        o.number = i;
        o.start = at;
        parsed.objects[i] = o;
        offsets.push_back(at);
    }
    offsets.push_back(xref);
    std::sort(offsets.begin(), offsets.end());
    for (auto& [number, o] : parsed.objects) {
        const QByteArray opening = QByteArray::number(number) + " 0 obj\n";
        if (pdf.mid(o.start, opening.size()) != opening)
            return std::nullopt;
        o.start += opening.size();
        o.end = *std::upper_bound(offsets.begin(), offsets.end(), o.start);
        const qsizetype endobj = pdf.lastIndexOf("endobj", o.end);
        if (endobj < o.start)
            return std::nullopt;
        o.end = endobj;
        // A dictionary holds no "stream" of its own: the first is the keyword.
        const qsizetype stream = QByteArrayView(pdf).sliced(o.start, o.end - o.start).indexOf("stream\n");
        if (stream >= 0)
            o.stream = o.start + stream;
    }
    if (parsed.objects.empty())
        return std::nullopt;
    parsed.header = pdf.left(std::min(offsets.front(), qsizetype(64)));
    const QByteArray trailer = pdf.mid(entries + qsizetype(size) * 20, startxref - entries - qsizetype(size) * 20);
    const qsizetype rootAt = trailer.indexOf("/Root ");
    if (rootAt < 0)
        return std::nullopt;
    parsed.root = trailer.mid(rootAt + 6, 12).split(' ').value(0).toInt();
    if (!parsed.objects.count(parsed.root))
        return std::nullopt;
    return parsed;
}

/// The page objects of the document in order, and the number of the page tree that holds them.
std::optional<std::pair<int, QList<int>>> pageList(const QByteArray& pdf, const Parsed& parsed)
{
    const QByteArray catalog = dictionaryOf(pdf, parsed.objects.at(parsed.root));
    const qsizetype pagesAt = catalog.indexOf("/Pages ");
    if (pagesAt < 0)
        return std::nullopt;
    const int tree = catalog.mid(pagesAt + 7, 12).split(' ').value(0).toInt();
    const auto found = parsed.objects.find(tree);
    if (found == parsed.objects.end())
        return std::nullopt;
    const QByteArray dictionary = dictionaryOf(pdf, found->second);
    const qsizetype kids = dictionary.indexOf("/Kids");
    const qsizetype open = dictionary.indexOf('[', kids);
    const qsizetype close = dictionary.indexOf(']', open);
    if (kids < 0 || open < 0 || close < 0)
        return std::nullopt;
    const QList<int> pages = referencesIn(dictionary.mid(open, close - open));
    for (int page : pages)
        if (!parsed.objects.count(page))
            return std::nullopt;
    return std::make_pair(tree, pages);
}

QByteArray hexTitle(const QString& title)
{
    QByteArray utf16("FEFF");
    for (const QChar c : title)
        utf16 += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return '<' + utf16 + '>';
}

QByteArray onePart(const QByteArray& pdf, const Parsed& parsed, int tree, const QList<int>& pages, const QString& title)
{
    // Every object the pages reach, kept in the order the file had them; the old page tree is replaced.
    std::set<int> kept;
    QList<int> todo = pages;
    while (!todo.isEmpty()) {
        const int n = todo.takeLast();
        if (n == tree || n == parsed.root || !parsed.objects.count(n) || !kept.insert(n).second)
            continue;
        todo << referencesIn(dictionaryOf(pdf, parsed.objects.at(n)));
    }
    QHash<int, int> renumbered;
    renumbered.insert(tree, 3);
    int next = 4;
    for (int n : kept)
        renumbered.insert(n, next++);

    QByteArray out = parsed.header;
    QList<qsizetype> offsets;
    auto begin = [&](int number) {
        offsets << out.size();
        out += QByteArray::number(number) + " 0 obj\n";
    };
    begin(1);
    out += "<<\n/Title " + hexTitle(title) + "\n/Creator " + hexTitle(QStringLiteral("Zem Harbour")) + "\n>>\nendobj\n";
    begin(2);
    out += "<<\n/Type /Catalog\n/Pages 3 0 R\n>>\nendobj\n";
    begin(3);
    out += "<<\n/Type /Pages\n/Kids\n[\n";
    for (int page : pages)
        out += QByteArray::number(renumbered.value(page)) + " 0 R\n";
    out += "]\n/Count " + QByteArray::number(pages.size()) + "\n/ProcSet [/PDF /Text /ImageB /ImageC]\n>>\nendobj\n";
    for (int n : kept) {
        const Object& o = parsed.objects.at(n);
        begin(renumbered.value(n));
        const QString dictionary = QString::fromLatin1(dictionaryOf(pdf, o));
        QString rewritten;
        qsizetype from = 0;
        auto it = referencePattern().globalMatch(dictionary);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            rewritten += dictionary.mid(from, m.capturedStart() - from);
            rewritten += QString::number(renumbered.value(m.captured(1).toInt())) + QStringLiteral(" 0 R");
            from = m.capturedEnd();
        }
        rewritten += dictionary.mid(from);
        out += rewritten.toLatin1();
        if (o.stream >= 0)
            out += pdf.mid(o.stream, o.end - o.stream);
        out += "endobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype at : offsets)
        out += QByteArray::number(at).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(offsets.size() + 1) +
           "\n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

} // namespace

Result<QList<QByteArray>> split(const QByteArray& pdf, const QList<Part>& parts)
{
    const auto parsed = parse(pdf);
    if (!parsed)
        return unreadable();
    const auto list = pageList(pdf, *parsed);
    if (!list)
        return unreadable();
    const QList<int>& all = list->second;
    QList<QByteArray> files;
    files.reserve(parts.size());
    for (const Part& part : parts) {
        if (part.firstPage < 0 || part.pageCount < 1 || part.firstPage + part.pageCount > all.size())
            return refused(QCoreApplication::translate("PdfPages", "Pages %1 to %2 are not in the PDF of %3 pages.")
                               .arg(part.firstPage + 1)
                               .arg(part.firstPage + part.pageCount)
                               .arg(all.size()));
        files << onePart(pdf, *parsed, list->first, all.mid(part.firstPage, part.pageCount), part.title);
    }
    return files;
}

} // namespace PdfPages
