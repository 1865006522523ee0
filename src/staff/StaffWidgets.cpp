#include "staff/StaffWidgets.h"

#include "staff/Passwords.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace StaffWidgets {

QLineEdit* secretBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(Passwords::MaxPasswordLength + 1);
    return box;
}

QLabel* errorLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("lblError"));
    line->setWordWrap(true);
    line->setStyleSheet(QStringLiteral("color: #b00020"));
    return line;
}

void finish(QDialog* dialog, QLabel* prompt, QLayout* fields, QLabel* error, const std::function<void()>& ok)
{
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* cmdOK =
        buttons->addButton(QCoreApplication::translate("StaffWidgets", "OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    QPushButton* cmdCancel =
        buttons->addButton(QCoreApplication::translate("StaffWidgets", "Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(cmdOK, &QPushButton::clicked, dialog, ok);
    QObject::connect(cmdCancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addWidget(error);
    layout->addWidget(buttons);
}

} // namespace StaffWidgets
