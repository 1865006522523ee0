#pragma once

#include "people/PeopleRecords.h"

class IMessageBox;

#include <QLineEdit>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

struct Services;
class QGridLayout;
class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

/// Small pieces the record dialogs and the search share.
namespace PeopleWidgets {

/// A one-line box named name that takes at most maxLength characters (0: no limit), with its caption on the
/// left in the given row of layout.
QLineEdit* addTextBox(QGridLayout* layout, int row, const QString& name, const QString& caption, int maxLength,
                      int column = 0);

/// Puts a stored text into a box without cutting it: a value longer than the box's limit (written by another
/// program) widens the limit to its length, so saving never loses what is there.
void setText(QLineEdit* box, const QString& text, int maxLength);

/// The record dialogs' multi-line notes box txtNotes, with its caption, in the given row of layout.
QPlainTextEdit* addNotesBox(QGridLayout* layout, int row, QWidget* form);

/// The clickable "Email" (lblSendEmail) beside the e-mail box in the given row: it starts a message to the address.
void addEmailLink(QGridLayout* layout, int row, QWidget* form, Services& services, QLineEdit* email);

/// Puts the record dialog's fields above its OK (runs save; captioned okCaption, "&OK" when empty) and "&Cancel"
/// (and Escape: rejects) buttons, and makes Enter move from field to field. The two buttons, OK first.
std::pair<QPushButton*, QPushButton*>
finishRecordDialog(QDialog* dialog, QWidget* form, const std::function<void()>& save, const QString& okCaption = {});

/// The notes box's text, and putting one into it (kept out of line, so this header needs no QPlainTextEdit).
/// Asks a removal's question (Yes/No) and on Yes runs remove with the count it was about. Cancelled on No; the
/// question's own failure (a Refused without text for nothing chosen) otherwise.
Status confirmAndRemove(IMessageBox& messages, const Result<Removal::Question>& question,
                        const std::function<Status(int asked)>& remove);

QString notesText(const QPlainTextEdit* notes);
void setNotesText(QPlainTextEdit* notes, const QString& text);

/// The boxes of a person's field table, one a row from row 0 of layout, with the clickable "Email" beside the
/// e-mail box and the notes box in the row after them: what the customer and owner dialogs show, and how a record
/// moves in and out of them.
template <typename Record> class PersonForm final
{
public:
    template <std::size_t N>
    PersonForm(const PersonField<Record> (&fields)[N], QGridLayout* layout, QWidget* form, Services& services)
        : m_fields(fields, fields + N)
    {
        for (std::size_t i = 0; i < N; ++i) {
            const int row = static_cast<int>(i);
            QLineEdit* box = addTextBox(layout, row, QString::fromUtf16(fields[i].box), fields[i].captionText(),
                                        fields[i].maxLength);
            if (fields[i].member == &Record::emailAddress)
                addEmailLink(layout, row, form, services, box);
            m_boxes.push_back(box);
        }
        m_notes = addNotesBox(layout, static_cast<int>(N), form);
    }

    /// The row after the notes, for what a kind of person adds.
    int nextRow() const { return static_cast<int>(m_fields.size()) + 1; }
    QLineEdit* first() const { return m_boxes.front(); }

    /// Every text as typed; what the form does not hold stays as in base.
    Record typed(Record base = {}) const
    {
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            base.*m_fields[i].member = m_boxes[i]->text();
        base.notes = notesText(m_notes);
        return base;
    }
    void showRecord(const Record& record)
    {
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            setText(m_boxes[i], record.*m_fields[i].member, m_fields[i].maxLength);
        setNotesText(m_notes, record.notes);
    }

private:
    std::vector<PersonField<Record>> m_fields;
    std::vector<QLineEdit*> m_boxes;
    QPlainTextEdit* m_notes = nullptr;
};

} // namespace PeopleWidgets
