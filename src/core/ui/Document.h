#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

/// A printed document (receipt, booking form, report) built as a plain value next to its window, then laid out
/// by DocumentRenderer onto a preview, a printer or a PDF file.
///
/// A document is a list of records, each a list of blocks laid out one under the other across the page width.
/// A page breaks between records, never through one; only a record taller than a whole page is broken, between
/// the wrapped lines of its text. The page header and footer are drawn on every page; in their texts "%p" is the
/// page number and "%P" the page count ("List: %p of %P"). The report header (a report's title) opens the first
/// page, above that page's header, so column headings stand under the title and head every later page.
namespace Doc {

struct Style
{
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    Qt::Alignment align = Qt::AlignLeft;
    double spaceAfter = 2; // points below the block
};

/// One cell of a table row: its share of the page width (shares are relative to the row's total) and alignment.
struct Cell
{
    QString text;
    double share = 1;
    Qt::Alignment align = Qt::AlignLeft;
    QColor fill{}; // when valid, the cell is drawn as a framed box of this colour behind its text (a chart's bar)
};

struct Block
{
    enum class Kind
    {
        Text,
        Field,
        Row,
        Rule,
        Picture,
        Space
    };
    Kind kind = Kind::Text;
    QString text;          // Text: the text, wrapped to the width; Field: the label
    QString value;         // Field: the value, wrapped in the column right of the label
    double labelWidth = 0; // Field: the label column in points
    QList<Cell> cells;     // Row: the cells, each wrapped within its column
    QImage picture;        // Picture: drawn at height points high, its width in proportion
    double height = 0;     // Picture: height; Space: height; Rule: line width (all in points)
    Style style;
};

/// Blocks kept together on one page: a label with its value, a booking's line in a report.
using Record = QList<Block>;

struct Document
{
    QString title;                     // the print job's and the PDF file's title
    QList<Block> reportHeader;         // top of the first page, above its page header
    QList<Block> pageHeader;           // top of every page
    QList<Block> pageFooter;           // foot of every page
    QList<Record> body;                // laid out in order
    QPageSize pageSize{QPageSize::A4}; // for PDF files; a printer keeps its own paper
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{15, 15, 15, 15};
};

inline Block text(const QString& text, Style style = {})
{
    Block b;
    b.text = text;
    b.style = style;
    return b;
}

inline Block field(const QString& label, const QString& value, double labelWidth = 140, Style style = {})
{
    Block b;
    b.kind = Block::Kind::Field;
    b.text = label;
    b.value = value;
    b.labelWidth = labelWidth;
    b.style = style;
    return b;
}

inline Block row(const QList<Cell>& cells, Style style = {})
{
    Block b;
    b.kind = Block::Kind::Row;
    b.cells = cells;
    b.style = style;
    return b;
}

/// A row of texts, each taking its share of the width (1 where shares has none).
inline Block row(const QStringList& texts, const QList<double>& shares, Style style = {})
{
    QList<Cell> cells;
    for (qsizetype i = 0; i < texts.size(); ++i)
        cells << Cell{texts.at(i), shares.value(i, 1)};
    return row(cells, style);
}

inline Block rule(double lineWidth = 0.75)
{
    Block b;
    b.kind = Block::Kind::Rule;
    b.height = lineWidth;
    b.style.spaceAfter = 4;
    return b;
}

inline Block picture(const QImage& image, double height, Qt::Alignment align = Qt::AlignLeft)
{
    Block b;
    b.kind = Block::Kind::Picture;
    b.picture = image;
    b.height = height;
    b.style.align = align;
    return b;
}

inline Block space(double points)
{
    Block b;
    b.kind = Block::Kind::Space;
    b.height = points;
    b.style.spaceAfter = 0;
    return b;
}

} // namespace Doc
