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
class cTextBoxEdit final
{
public:
    /// Whether widget is a box the Edit menu works on.
    static bool IsTextBox(const QWidget* widget);

    /// The box to act on; anything that is not a text box leaves the target empty.
    void SetTextBox(QWidget* box);
    QWidget* TextBox() const;

    void Cut();
    void Copy();
    void Paste();
    void Undo();

    bool CanCut() const;   // a selection, and the box is not read-only
    bool CanCopy() const;  // a selection
    bool CanPaste() const; // the clipboard holds text
    bool CanUndo() const;

    /// Replaces a non-empty selection with text; allowUndo false leaves nothing to undo.
    void ReplaceSelection(const QString& text, bool allowUndo);
    /// Removes the selection without undo information.
    void Delete();
    void SelectAll();

private:
    int SelectionLength() const;
    bool IsReadOnly() const;

    QPointer<QLineEdit> m_line;
    QPointer<QPlainTextEdit> m_plain;
    QPointer<QTextEdit> m_rich;
};
