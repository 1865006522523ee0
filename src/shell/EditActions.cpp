#include "shell/EditActions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {
QTextDocument* documentOf(QPlainTextEdit* plain, QTextEdit* rich)
{
    if (plain)
        return plain->document();
    return rich ? rich->document() : nullptr;
}

QTextCursor cursorOf(QPlainTextEdit* plain, QTextEdit* rich)
{
    if (plain)
        return plain->textCursor();
    return rich ? rich->textCursor() : QTextCursor();
}

void setCursor(QPlainTextEdit* plain, QTextEdit* rich, const QTextCursor& cursor)
{
    if (plain)
        plain->setTextCursor(cursor);
    else if (rich)
        rich->setTextCursor(cursor);
}
} // namespace

bool EditActions::isTextBox(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

void EditActions::setTextBox(QWidget* box)
{
    m_line = qobject_cast<QLineEdit*>(box);
    m_plain = qobject_cast<QPlainTextEdit*>(box);
    m_rich = qobject_cast<QTextEdit*>(box);
}

QWidget* EditActions::textBox() const
{
    if (m_line)
        return m_line;
    if (m_plain)
        return m_plain;
    return m_rich;
}

int EditActions::selectionLength() const
{
    if (m_line)
        return static_cast<int>(m_line->selectedText().size());
    const QTextCursor cursor = cursorOf(m_plain, m_rich);
    return cursor.isNull() ? 0 : cursor.selectionEnd() - cursor.selectionStart();
}

bool EditActions::isReadOnly() const
{
    if (m_line)
        return m_line->isReadOnly();
    if (m_plain)
        return m_plain->isReadOnly();
    return !m_rich || m_rich->isReadOnly();
}

bool EditActions::canCut() const
{
    return selectionLength() > 0 && !isReadOnly();
}

bool EditActions::canCopy() const
{
    return selectionLength() >= 1;
}

bool EditActions::canPaste() const
{
    if (!textBox())
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool EditActions::canUndo() const
{
    if (isReadOnly())
        return false;
    if (m_line)
        return m_line->isUndoAvailable();
    const QTextDocument* document = documentOf(m_plain, m_rich);
    return document && document->isUndoAvailable();
}

void EditActions::cut()
{
    if (!canCut())
        return;
    if (m_line)
        m_line->cut();
    else if (m_plain)
        m_plain->cut();
    else if (m_rich)
        m_rich->cut();
}

void EditActions::copy()
{
    if (m_line)
        m_line->copy();
    else if (m_plain)
        m_plain->copy();
    else if (m_rich)
        m_rich->copy();
}

void EditActions::paste()
{
    if (isReadOnly())
        return;
    if (m_line)
        m_line->paste();
    else if (m_plain)
        m_plain->paste();
    else if (m_rich)
        m_rich->paste();
}

void EditActions::undo()
{
    if (!canUndo())
        return;
    if (m_line)
        m_line->undo();
    else if (m_plain)
        m_plain->undo();
    else if (m_rich)
        m_rich->undo();
}

void EditActions::replaceSelection(const QString& text, bool allowUndo)
{
    if (selectionLength() <= 0 || isReadOnly())
        return;
    if (m_line) {
        if (allowUndo) {
            m_line->insert(text);
            return;
        }
        // A line edit keeps no history across setText, which is what "no undo information" asks for.
        const int start = m_line->selectionStart();
        QString content = m_line->text();
        content.replace(start, m_line->selectedText().size(), text);
        m_line->setText(content);
        m_line->setCursorPosition(start + static_cast<int>(text.size()));
        return;
    }
    QTextDocument* document = documentOf(m_plain, m_rich);
    QTextCursor cursor = cursorOf(m_plain, m_rich);
    if (allowUndo) {
        cursor.insertText(text);
    } else {
        // Switching the undo stack off and on again empties it.
        document->setUndoRedoEnabled(false);
        cursor.insertText(text);
        document->setUndoRedoEnabled(true);
    }
    setCursor(m_plain, m_rich, cursor);
}

void EditActions::deleteSelection()
{
    replaceSelection(QString(), false);
}

void EditActions::selectAll()
{
    if (m_line)
        m_line->selectAll();
    else if (m_plain)
        m_plain->selectAll();
    else if (m_rich)
        m_rich->selectAll();
}
