#include "bookings/StayReadingsDialog.h"

#include "core/DateTimes.h"
#include "core/Seams.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

StayReadingsDialog::StayReadingsDialog(Services& services, const QList<StayMeters::Due>& due, const QString& heading,
                                       QWidget* parent)
    : QDialog(parent), m_services(services), m_due(due)
{
    setObjectName(QStringLiteral("frmStayReadings"));
    setWindowTitle(tr("Meter readings"));
    auto* lblHeading = new QLabel(heading, this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Berth and meter"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Last reading"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Reading now"), this), 0, 2);
    for (qsizetype i = 0; i < due.size(); ++i) {
        const StayMeters::Due& d = due.at(i);
        const int row = static_cast<int>(i + 1);
        auto* name = new QLabel(
            tr("%1  %2 %3 (%4)").arg(d.meter.berth, Meters::kindText(d.meter.kind), d.meter.serial, d.meter.unit),
            this);
        const QString last =
            d.last ? tr("%1 on %2").arg(Meters::valueText(d.last->value), DateTimes::dateText(d.last->readAt.date()))
                   : tr("none yet");
        auto* lblLast = new QLabel(last, this);
        lblLast->setObjectName(QStringLiteral("lblLast%1").arg(row));
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtReading%1").arg(row));
        name->setBuddy(box);
        grid->addWidget(name, row, 0);
        grid->addWidget(lblLast, row, 1);
        grid->addWidget(box, row, 2);
        m_boxes << box;
    }
    auto* buttons = new QDialogButtonBox(this);
    auto* cmdOK = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
    if (!m_boxes.isEmpty())
        m_boxes.first()->setFocus();
}

void StayReadingsDialog::accept()
{
    QList<StayMeters::Taken> taken;
    for (qsizetype i = 0; i < m_due.size(); ++i) {
        const StayMeters::Due& d = m_due.at(i);
        QLineEdit* box = m_boxes.at(i);
        const auto value = Meters::readValue(box->text(), d.meter.digits);
        if (!value) {
            m_services.messages.show(value.error(), windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            box->setFocus();
            box->selectAll();
            return;
        }
        bool rolled = false;
        if (d.last && *value < d.last->value) {
            const MsgResult answer = m_services.messages.show(
                tr("%1 is below the last reading of meter %2 (%3).\n\nYes: the meter rolled over past %4 and started "
                   "again from zero. No: the reading was mistyped, go back to correct it.")
                    .arg(Meters::valueText(*value), d.meter.serial, Meters::valueText(d.last->value),
                         Meters::valueText(Meters::rolloverAt(d.meter.digits) - 1)),
                windowTitle(), MsgIcon::Question, MsgButtons::YesNo);
            if (answer != MsgResult::Yes) {
                box->setFocus();
                box->selectAll();
                return;
            }
            rolled = true;
        }
        taken << StayMeters::Taken{d.meter.id, *value, rolled};
    }
    m_taken = taken;
    QDialog::accept();
}
