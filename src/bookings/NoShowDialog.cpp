#include "bookings/NoShowDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

NoShowDialog::NoShowDialog(const QList<CheckIn::Candidate>& candidates, QWidget* parent)
    : QDialog(parent), m_lstNoShows(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmNoShows"));
    setWindowTitle(tr("No-shows"));
    auto* lblNoShows = new QLabel(
        tr("These guests were due today and have not been checked in.\nTick those who will not come, then mark them:"),
        this);
    lblNoShows->setObjectName(QStringLiteral("lblNoShows"));
    m_lstNoShows->setObjectName(QStringLiteral("lstNoShows"));
    for (const CheckIn::Candidate& c : candidates) {
        auto* item = new QListWidgetItem(tr("%1  %2  (booking %3)")
                                             .arg(c.state.from.toString(QStringLiteral("HH:mm")), c.state.customer)
                                             .arg(c.state.bookingId),
                                         m_lstNoShows);
        item->setData(Qt::UserRole, c.state.bookingId);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(c.pastDue ? Qt::Checked : Qt::Unchecked);
    }
    if (m_lstNoShows->count() > 0)
        m_lstNoShows->setCurrentRow(0);
    lblNoShows->setBuddy(m_lstNoShows);

    auto* cmdTickAll = new QPushButton(tr("Tick &all"), this);
    cmdTickAll->setObjectName(QStringLiteral("cmdTickAll"));
    auto* cmdTickNone = new QPushButton(tr("Tick &none"), this);
    cmdTickNone->setObjectName(QStringLiteral("cmdTickNone"));
    auto* buttons = new QDialogButtonBox(this);
    auto* cmdOK = buttons->addButton(tr("&Mark as no-shows"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    auto* cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdTickAll, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(cmdTickNone, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* ticks = new QHBoxLayout;
    ticks->addWidget(cmdTickAll);
    ticks->addWidget(cmdTickNone);
    ticks->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNoShows);
    layout->addWidget(m_lstNoShows, 1);
    layout->addLayout(ticks);
    layout->addWidget(buttons);
    resize(520, 360);
}

QList<int> NoShowDialog::chosen() const
{
    QList<int> ids;
    for (int row = 0; row < m_lstNoShows->count(); ++row)
        if (m_lstNoShows->item(row)->checkState() == Qt::Checked)
            ids << m_lstNoShows->item(row)->data(Qt::UserRole).toInt();
    return ids;
}

void NoShowDialog::tickAll(bool on)
{
    for (int row = 0; row < m_lstNoShows->count(); ++row)
        m_lstNoShows->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}
