#pragma once

#include <QPointer>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

/// The Edit menu's view of one text box: a single-line QLineEdit or a multi-line QPlainTextEdit/QTextEdit.
/// It holds no widget of its own and forgets a box that goes away; with no box every operation does nothing
/// and every Can... is false.
class EditActions final
{
public:
    /// Whether widget is a box the Edit menu works on.
    static bool isTextBox(const QWidget* widget);

    /// The box to act on; anything that is not a text box leaves the target empty.
    void setTextBox(QWidget* box);
    QWidget* textBox() const;

    void cut();
    void copy();
    void paste();
    void undo();

    bool canCut() const;   // a selection, and the box is not read-only
    bool canCopy() const;  // a selection
    bool canPaste() const; // the clipboard holds text
    bool canUndo() const;

    /// Replaces a non-empty selection with text; allowUndo false leaves nothing to undo.
    void replaceSelection(const QString& text, bool allowUndo);
    /// Removes the selection without undo information.
    void deleteSelection();
    void selectAll();

private:
    int selectionLength() const;
    bool isReadOnly() const;

    QPointer<QLineEdit> m_line;
    QPointer<QPlainTextEdit> m_plain;
    QPointer<QTextEdit> m_rich;
};
