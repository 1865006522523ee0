#include "Clipping.h"

#include "core/Languages.h"
#include "core/ui/DocumentRenderer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>

namespace Clipping {
namespace {

// The text as drawn: an accelerator's & is not, && is one.
QString drawn(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

int widest(const QFontMetrics& metrics, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(u'\n'))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

QString where(const QWidget* window, const QWidget* control, const QString& text)
{
    return QStringLiteral("%1: %2 %3 \"%4\"")
        .arg(window->objectName(), QString::fromLatin1(control->metaObject()->className()), control->objectName(),
             QString(text).replace(u'\n', QStringLiteral("\\n")));
}

QString needs(int needed, int has)
{
    return QStringLiteral(" needs %1 px, has %2").arg(needed).arg(has);
}

// A label shorter or narrower than its text. Rich text and pictures are laid out by the label itself.
QString labelFault(const QWidget* window, const QLabel* label)
{
    const QString text = label->text();
    if (text.isEmpty() || Qt::mightBeRichText(text) || label->textFormat() == Qt::RichText)
        return {};
    const int margins = 2 * label->margin() + std::max(label->indent(), 0);
    const QRect room = label->contentsRect().adjusted(0, 0, -margins, -margins);
    if (label->wordWrap()) {
        const int height = label->heightForWidth(label->width());
        return height > label->height() + 1
                   ? where(window, label, text) +
                         QStringLiteral(" needs %1 px high, has %2").arg(height).arg(label->height())
                   : QString();
    }
    const int width = widest(label->fontMetrics(), drawn(text));
    return width > room.width() + 1 ? where(window, label, text) + needs(width, room.width()) : QString();
}

// A push button's text with its icon and margins (its size hint has a style minimum besides: a narrow "<" button is
// fine); a check box's or radio button's size hint is its box and text.
QString buttonFault(const QWidget* window, const QAbstractButton* button)
{
    if (button->text().isEmpty() || qobject_cast<const QToolButton*>(button))
        return {};
    int width = button->sizeHint().width();
    if (qobject_cast<const QPushButton*>(button)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        width = widest(button->fontMetrics(), drawn(button->text())) + margin +
                (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    }
    return width > button->width() + 1 ? where(window, button, button->text()) + needs(width, button->width())
                                       : QString();
}

QString groupFault(const QWidget* window, const QGroupBox* box)
{
    if (box->title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls =
        QStyle::SC_GroupBoxLabel | (box->isCheckable() ? QStyle::SC_GroupBoxCheckBox : QStyle::SubControls());
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int width = box->fontMetrics().horizontalAdvance(drawn(box->title()));
    return label.right() > box->width() || width > label.width() + 1
               ? where(window, box, box->title()) + needs(label.left() + width, box->width())
               : QString();
}

QStringList tabFaults(const QWidget* window, const QTabBar* bar)
{
    QStringList faults;
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const QRect tab = bar->tabRect(i);
        const int width = bar->fontMetrics().horizontalAdvance(drawn(bar->tabText(i)));
        // Off the bar's end (behind its scroll buttons), or narrower than its text (elided).
        if (tab.right() > bar->width() || width > tab.width())
            faults << where(window, bar, bar->tabText(i)) +
                          needs(width, std::min(tab.width(), bar->width() - tab.left()));
    }
    return faults;
}

QStringList headingFaults(const QWidget* window, const QHeaderView* header)
{
    QStringList faults;
    const QAbstractItemModel* model = header->model();
    if (!model || header->orientation() != Qt::Horizontal)
        return faults;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section) || header->sectionSize(section) == 0)
            continue;
        const QString text = model->headerData(section, Qt::Horizontal).toString();
        if (text.isEmpty())
            continue;
        const int width = widest(header->fontMetrics(), text) + margin;
        if (width > header->sectionSize(section) + 1)
            faults << where(window, header->parentWidget(), text) + needs(width, header->sectionSize(section));
    }
    return faults;
}

QStringList menuBarFaults(const QWidget* window, const QMenuBar* bar)
{
    QStringList faults;
    for (QAction* action : bar->actions()) {
        const QRect item = bar->actionGeometry(action);
        if (action->isVisible() && (item.isEmpty() || item.right() > bar->width()))
            faults << where(window, bar, action->text()) + QStringLiteral(" runs off the menu bar");
    }
    return faults;
}

} // namespace

QStringList clippedTexts(const QWidget* window)
{
    QStringList faults;
    QList<const QWidget*> controls{window};
    for (const QWidget* child : window->findChildren<QWidget*>())
        controls << child;
    for (const QWidget* control : std::as_const(controls)) {
        if (!control->isVisible() || control->width() <= 0)
            continue;
        QString fault;
        if (const auto* label = qobject_cast<const QLabel*>(control))
            fault = labelFault(window, label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            fault = buttonFault(window, button);
        else if (const auto* box = qobject_cast<const QGroupBox*>(control))
            fault = groupFault(window, box);
        else if (const auto* bar = qobject_cast<const QTabBar*>(control))
            faults << tabFaults(window, bar);
        else if (const auto* header = qobject_cast<const QHeaderView*>(control))
            faults << headingFaults(window, header);
        else if (const auto* menus = qobject_cast<const QMenuBar*>(control))
            faults << menuBarFaults(window, menus);
        if (!fault.isEmpty())
            faults << fault;
    }
    return faults;
}

namespace {
// The lines of a box wider than the box when it is wrapped between words only: each holds a word the renderer
// would break inside.
QStringList boxFaults(const DocumentRenderer::TextBox& box, QPaintDevice& device)
{
    QTextLayout layout(box.text, box.font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const double point = device.logicalDpiY() / 72.0;
    QStringList faults;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width);
        if (line.naturalTextWidth() <= box.width + point / 2)
            continue;
        // One arg() for all: a text holding "%1" must not take the widths.
        faults << QStringLiteral("%1 \"%2\" needs %3 pt, has %4")
                      .arg(box.part, box.text.mid(line.textStart(), line.textLength()).trimmed(),
                           QString::number(line.naturalTextWidth() / point, 'f', 1),
                           QString::number(box.width / point, 'f', 1));
    }
    layout.endLayout();
    return faults;
}
} // namespace

QStringList clippedTexts(const Doc::Document& document)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setPageSize(document.pageSize);
    QStringList faults;
    for (const DocumentRenderer::TextBox& box : DocumentRenderer::textBoxes(document, writer))
        faults << boxFaults(box, writer);
    static const QRegularExpression placeholder(QStringLiteral("%(L?[0-9]|n)"));
    for (const QStringList& page : DocumentRenderer::paginate(document, writer))
        for (const QString& text : page)
            if (text.contains(placeholder))
                faults << QStringLiteral("placeholder left in \"%1\"").arg(text);
    for (QString& fault : faults)
        fault.prepend(document.title + QStringLiteral(": "));
    return faults;
}

bool placeTranslation(const QString& code)
{
    if (code == QLatin1String("en"))
        return true;
    const QString folder = qEnvironmentVariableIsSet("ZEM_QM_FOLDER") ? qEnvironmentVariable("ZEM_QM_FOLDER")
                                                                      : QStringLiteral(ZEM_QM_FOLDER);
    const QString target = Languages::fileOf(code);
    QFile::remove(target);
    return QDir().mkpath(Languages::folder()) &&
           QFile::copy(folder + QStringLiteral("/zemharbour_") + code + QStringLiteral(".qm"), target);
}

} // namespace Clipping
