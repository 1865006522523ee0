#include "shell/cTextBoxEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {
QTextDocument* Document(QPlainTextEdit* plain, QTextEdit* rich)
{
    if (plain)
        return plain->document();
    return rich ? rich->document() : nullptr;
}

QTextCursor Cursor(QPlainTextEdit* plain, QTextEdit* rich)
{
    if (plain)
        return plain->textCursor();
    return rich ? rich->textCursor() : QTextCursor();
}

void SetCursor(QPlainTextEdit* plain, QTextEdit* rich, const QTextCursor& cursor)
{
    if (plain)
        plain->setTextCursor(cursor);
    else if (rich)
        rich->setTextCursor(cursor);
}
} // namespace

bool cTextBoxEdit::IsTextBox(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

void cTextBoxEdit::SetTextBox(QWidget* box)
{
    m_line = qobject_cast<QLineEdit*>(box);
    m_plain = qobject_cast<QPlainTextEdit*>(box);
    m_rich = qobject_cast<QTextEdit*>(box);
}

QWidget* cTextBoxEdit::TextBox() const
{
    if (m_line)
        return m_line;
    if (m_plain)
        return m_plain;
    return m_rich;
}

int cTextBoxEdit::SelectionLength() const
{
    if (m_line)
        return static_cast<int>(m_line->selectedText().size());
    const QTextCursor cursor = Cursor(m_plain, m_rich);
    return cursor.isNull() ? 0 : cursor.selectionEnd() - cursor.selectionStart();
}

bool cTextBoxEdit::IsReadOnly() const
{
    if (m_line)
        return m_line->isReadOnly();
    if (m_plain)
        return m_plain->isReadOnly();
    return !m_rich || m_rich->isReadOnly();
}

bool cTextBoxEdit::CanCut() const
{
    return SelectionLength() > 0 && !IsReadOnly();
}

bool cTextBoxEdit::CanCopy() const
{
    return SelectionLength() >= 1;
}

bool cTextBoxEdit::CanPaste() const
{
    if (!TextBox())
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool cTextBoxEdit::CanUndo() const
{
    if (IsReadOnly())
        return false;
    if (m_line)
        return m_line->isUndoAvailable();
    const QTextDocument* document = Document(m_plain, m_rich);
    return document && document->isUndoAvailable();
}

void cTextBoxEdit::Cut()
{
    if (!CanCut())
        return;
    if (m_line)
        m_line->cut();
    else if (m_plain)
        m_plain->cut();
    else if (m_rich)
        m_rich->cut();
}

void cTextBoxEdit::Copy()
{
    if (m_line)
        m_line->copy();
    else if (m_plain)
        m_plain->copy();
    else if (m_rich)
        m_rich->copy();
}

void cTextBoxEdit::Paste()
{
    if (IsReadOnly())
        return;
    if (m_line)
        m_line->paste();
    else if (m_plain)
        m_plain->paste();
    else if (m_rich)
        m_rich->paste();
}

void cTextBoxEdit::Undo()
{
    if (!CanUndo())
        return;
    if (m_line)
        m_line->undo();
    else if (m_plain)
        m_plain->undo();
    else if (m_rich)
        m_rich->undo();
}

void cTextBoxEdit::ReplaceSelection(const QString& text, bool allowUndo)
{
    if (SelectionLength() <= 0 || IsReadOnly())
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
    QTextDocument* document = Document(m_plain, m_rich);
    QTextCursor cursor = Cursor(m_plain, m_rich);
    if (allowUndo) {
        cursor.insertText(text);
    } else {
        // Switching the undo stack off and on again empties it.
        document->setUndoRedoEnabled(false);
        cursor.insertText(text);
        document->setUndoRedoEnabled(true);
    }
    SetCursor(m_plain, m_rich, cursor);
}

void cTextBoxEdit::Delete()
{
    ReplaceSelection(QString(), false);
}

void cTextBoxEdit::SelectAll()
{
    if (m_line)
        m_line->selectAll();
    else if (m_plain)
        m_plain->selectAll();
    else if (m_rich)
        m_rich->selectAll();
}
