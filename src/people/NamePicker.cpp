#include "people/NamePicker.h"

#include "core/MessageLog.h"
#include "core/Seams.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QWheelEvent>

NamePicker::NamePicker(Services& services, QWidget* parent)
    : QComboBox(parent), m_services(services), m_completer(new QCompleter(this)), m_shown(new QStandardItemModel(this))
{
    setEditable(true);
    // The combo box's own completion finishes a name from its first letters and takes it on leaving: the fault
    // this box is here to end.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // Enter on a typed name that happens to be in the list chooses nothing either: two customers may share it.
    setDuplicatesEnabled(true);
    lineEdit()->setPlaceholderText(tr("Type part of a name"));
    // The list under the box is the narrowed one; the line edit is not told of it, so highlighting a row never
    // rewrites what was typed.
    m_completer->setModel(m_shown);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setMaxVisibleItems(12);
    m_completer->setWidget(lineEdit());
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index.data(Qt::UserRole).toInt()); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &NamePicker::typed);
}

void NamePicker::setChoices(const PickerChoices& choices, const QList<PickerChoices::Choice>& fixed)
{
    m_choices = choices;
    m_shown->clear();
    clear();
    for (const PickerChoices::Choice& choice : fixed)
        addItem(choice.text, choice.id);
    for (const PickerChoices::Choice& choice : choices.all())
        addItem(choice.text, choice.id);
    setCurrentIndex(-1);
}

QStringList NamePicker::shownTexts() const
{
    QStringList texts;
    for (int row = 0; row < m_shown->rowCount(); ++row)
        texts << m_shown->item(row)->text();
    return texts;
}

void NamePicker::typed(const QString& text)
{
    // What was chosen is let go as soon as the name is typed over.
    if (currentIndex() != -1) {
        const int cursor = lineEdit()->cursorPosition();
        setCurrentIndex(-1);
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(cursor);
    }
    narrow(text);
}

void NamePicker::narrow(const QString& text)
{
    m_shown->clear();
    if (text.trimmed().isEmpty()) {
        m_completer->popup()->hide();
        return;
    }
    const auto left = m_choices.narrowed(m_services.db(), text);
    if (!left)
        MessageLog::logError(QStringLiteral("%1.Narrow: %2").arg(objectName(), left.error()));
    for (const PickerChoices::Choice& choice : left.valueOr({})) {
        auto* item = new QStandardItem(choice.text);
        item->setData(choice.id, Qt::UserRole);
        item->setEditable(false);
        m_shown->appendRow(item);
    }
    // An empty prefix keeps every row the search left; no row is current until the clerk moves to one.
    m_completer->setCompletionPrefix(QString());
    if (m_shown->rowCount() > 0)
        m_completer->complete();
    else
        m_completer->popup()->hide();
}

void NamePicker::choose(int id)
{
    m_completer->popup()->hide();
    setCurrentIndex(findData(id));
    emit picked(id);
}

void NamePicker::keyPressEvent(QKeyEvent* event)
{
    // Up and Down would step through the whole list and so choose a name unseen: they open the list instead, the
    // narrowed one when something is typed.
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && !(event->modifiers() & Qt::AltModifier)) {
        if (currentIndex() == -1 && !currentText().trimmed().isEmpty())
            narrow(currentText());
        else
            showPopup();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void NamePicker::wheelEvent(QWheelEvent* event)
{
    // The wheel over the box would change the choice by itself.
    event->ignore();
}
