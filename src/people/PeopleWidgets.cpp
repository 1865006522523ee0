#include "people/PeopleWidgets.h"

#include "core/Seams.h"
#include "core/ui/ClickableLabel.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/SendEmail.h"
#include "core/ui/Twips.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace PeopleWidgets {

QLineEdit* addTextBox(QGridLayout* layout, int row, const QString& name, const QString& caption, int maxLength,
                      int column)
{
    auto* parent = layout->parentWidget();
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    layout->addWidget(label, row, column);
    layout->addWidget(box, row, column + 1);
    return box;
}

void setText(QLineEdit* box, const QString& text, int maxLength)
{
    if (maxLength > 0)
        box->setMaxLength(qMax<qsizetype>(maxLength, text.size()));
    box->setText(text);
}

QPlainTextEdit* addNotesBox(QGridLayout* layout, int row, QWidget* form)
{
    auto* notes = new QPlainTextEdit(form);
    notes->setObjectName(QStringLiteral("txtNotes"));
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setTabChangesFocus(true);
    notes->setMinimumHeight(Twips::toPixelsY(1200, form));
    auto* caption = new QLabel(QCoreApplication::translate("PeopleWidgets", "Notes:"), form);
    caption->setBuddy(notes);
    layout->addWidget(caption, row, 0, Qt::AlignTop);
    layout->addWidget(notes, row, 1);
    layout->setColumnMinimumWidth(1, Twips::toPixelsX(4500, form));
    return notes;
}

void addEmailLink(QGridLayout* layout, int row, QWidget* form, Services& services, QLineEdit* email)
{
    auto* link = new ClickableLabel(QCoreApplication::translate("PeopleWidgets", "Email"), form);
    link->setObjectName(QStringLiteral("lblSendEmail"));
    layout->addWidget(link, row, 2);
    QObject::connect(link, &ClickableLabel::clicked, form,
                     [&services, email, form] { sendEmail(services, email->text(), form->window()->windowTitle()); });
}

std::pair<QPushButton*, QPushButton*> finishRecordDialog(QDialog* dialog, QWidget* form,
                                                         const std::function<void()>& save, const QString& okCaption)
{
    auto* ok =
        new QPushButton(okCaption.isEmpty() ? QCoreApplication::translate("PeopleWidgets", "&OK") : okCaption, dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QCoreApplication::translate("PeopleWidgets", "&Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // Escape rejects the dialog, which is what Cancel does.
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, dialog, save);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(form, 1);
    layout->addLayout(buttons);
    FocusNextControl::install(dialog);
    return {ok, cancel};
}

Status confirmAndRemove(IMessageBox& messages, const Result<Removal::Question>& question,
                        const std::function<Status(int asked)>& remove)
{
    if (!question)
        return question.failure();
    if (messages.show(question->text, Removal::Title, MsgIcon::None, MsgButtons::YesNo) != MsgResult::Yes)
        return cancelled();
    return remove(question->dependents);
}

QString notesText(const QPlainTextEdit* notes)
{
    return notes->toPlainText();
}

void setNotesText(QPlainTextEdit* notes, const QString& text)
{
    notes->setPlainText(text);
}

} // namespace PeopleWidgets
