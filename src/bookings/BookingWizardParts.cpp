#include "bookings/BookingWizardParts.h"

#include "core/InputParsing.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString BookingWizardParts::title()
{
    // Built at each call, so the translator installed at start-up is the one asked.
    return QCoreApplication::translate("BookingWizard", "Booking");
}

QLabel* BookingWizardParts::named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* BookingWizardParts::caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void BookingWizardParts::enlarge(QLabel* label)
{
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    label->setFont(big);
}

QPushButton* BookingWizardParts::button(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QWidget* BookingWizardParts::progressBox(const QString& title, const QStringList& steps, QList<QLabel*>& labels,
                                         QWidget* parent)
{
    auto* progress = new QGroupBox(title, parent);
    progress->setObjectName(QStringLiteral("fraProgress"));
    auto* layout = new QVBoxLayout(progress);
    for (int i = 0; i < steps.size(); ++i) {
        labels.append(named(new QLabel(steps[i], progress), QStringLiteral("lblStep_%1").arg(i)));
        layout->addWidget(labels.last());
    }
    layout->addStretch(1);
    return progress;
}

void BookingWizardParts::markStep(const QList<QLabel*>& labels, int step)
{
    for (int i = 0; i < labels.size(); ++i) {
        QFont font = labels[i]->font();
        font.setBold(i == step);
        labels[i]->setFont(font);
    }
}

QLineEdit* BookingWizardParts::box(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

Money BookingWizardParts::amount(const QLineEdit* box)
{
    return InputChecks::readMoney(box->text()).value_or(Money());
}

void BookingWizardParts::showAmount(QLineEdit* box)
{
    if (const auto amount = InputChecks::readMoney(box->text()))
        box->setText(amount->format());
}
