#include "core/ui/OldReference.h"

#include "core/ImportTags.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace OldReference {
namespace {
QLineEdit* made(QWidget* parent, QLabel** label)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txtOldRef"));
    box->setReadOnly(true);
    *label = new QLabel(QCoreApplication::translate("OldReference", "Old reference:"), parent);
    (*label)->setObjectName(QStringLiteral("lblOldRef"));
    (*label)->setBuddy(box);
    box->setProperty("zemOldRefLabel", QVariant::fromValue<QObject*>(*label));
    box->hide();
    (*label)->hide();
    return box;
}
} // namespace

QLineEdit* addTo(QFormLayout* form, QWidget* parent)
{
    QLabel* label = nullptr;
    QLineEdit* box = made(parent, &label);
    form->addRow(label, box);
    return box;
}

QLineEdit* addTo(QGridLayout* grid, int row, QWidget* parent)
{
    QLabel* label = nullptr;
    QLineEdit* box = made(parent, &label);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

void show(QLineEdit* box, const QSqlDatabase& db, const QString& table, int id)
{
    QString reference;
    if (id > 0)
        if (const auto found = ImportTags::oldRefOf(db, table, id))
            reference = *found;
    box->setText(reference);
    box->setVisible(!reference.isEmpty());
    if (auto* label = qobject_cast<QWidget*>(box->property("zemOldRefLabel").value<QObject*>()))
        label->setVisible(!reference.isEmpty());
}

} // namespace OldReference
