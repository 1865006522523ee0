#include "core/ui/SmallDialog.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace SmallDialog {

QPushButton* opener(const QString& caption, const QString& objectName, QWidget* parent, std::function<void()> open)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent, std::move(open));
    return button;
}

QFormLayout* form(QDialog* dialog, const QString& note, const QList<Row>& rows)
{
    auto* form = new QFormLayout(dialog);
    if (!note.isEmpty()) {
        auto* label = new QLabel(note, dialog);
        label->setWordWrap(true);
        form->addRow(label);
    }
    for (const Row& row : rows)
        form->addRow(row.label, row.control); // the label's buddy is its control
    return form;
}

QHBoxLayout* line(const QList<Row>& rows, QWidget* trailing)
{
    auto* line = new QHBoxLayout;
    // A form each, so each label lines up with its control as a form's do.
    for (const Row& row : rows) {
        auto* form = new QFormLayout;
        form->addRow(row.label, row.control);
        line->addLayout(form);
    }
    if (trailing)
        line->addWidget(trailing);
    line->addStretch();
    return line;
}

QDialogButtonBox* foot(QDialog* dialog, const QList<Button>& buttons)
{
    auto* box = new QDialogButtonBox(dialog);
    for (const Button& button : buttons)
        box->addButton(button.caption, button.role)->setObjectName(button.objectName);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace SmallDialog
