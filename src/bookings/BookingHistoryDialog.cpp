#include "bookings/BookingHistoryDialog.h"

#include "core/DateTimes.h"
#include "core/Seams.h"
#include "core/ui/DocumentRenderer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

BookingHistoryDialog::BookingHistoryDialog(Services& services, int bookingId, const QString& heading, QWidget* parent)
    : QDialog(parent), m_services(services), m_bookingId(bookingId), m_heading(heading)
{
    setObjectName(QStringLiteral("frmBookingHistory"));
    setWindowTitle(tr("Booking history"));
    m_lstHistory = new QTreeWidget(this);
    m_lstHistory->setObjectName(QStringLiteral("lstHistory"));
    m_lstHistory->setRootIsDecorated(false);
    m_lstHistory->setAlternatingRowColors(true);
    m_lstHistory->setHeaderLabels({tr("When"), tr("Change"), tr("Before"), tr("After"), tr("Who"), tr("Desk")});
    auto* cmdPrint = new QPushButton(tr("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    auto* cmdPdf = new QPushButton(tr("Save as P&DF..."), this);
    cmdPdf->setObjectName(QStringLiteral("cmdSaveAsPdf"));
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    const QString pdfName = tr("Booking %1 history.pdf").arg(m_bookingId);
    connect(cmdPrint, &QPushButton::clicked, this, [this, pdfName] {
        DocumentRenderer::printNow(BookingHistory::document(m_changes, m_heading), m_services, pdfName);
    });
    connect(cmdPdf, &QPushButton::clicked, this, [this, pdfName] {
        DocumentRenderer::saveAsPdf(BookingHistory::document(m_changes, m_heading), m_services, pdfName);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPdf);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lstHistory, 1);
    layout->addLayout(buttons);
    resize(900, 420);
}

bool BookingHistoryDialog::load()
{
    const auto changes = BookingHistory::read(m_services.db(), m_bookingId);
    if (!changes) {
        m_services.messages.show(tr("The booking's history could not be read: %1").arg(changes.error()), windowTitle(),
                                 MsgIcon::Exclamation);
        return false;
    }
    m_changes = *changes;
    m_lstHistory->clear();
    for (const BookingHistory::Change& c : m_changes)
        new QTreeWidgetItem(m_lstHistory, {DateTimes::dateTimeText(c.when), c.what, c.before, c.after, c.who, c.desk});
    for (int column = 0; column < m_lstHistory->columnCount(); ++column)
        m_lstHistory->resizeColumnToContents(column);
    return true;
}

void BookingHistoryDialog::display(Services& services, int bookingId, const QString& heading, QWidget* parent)
{
    BookingHistoryDialog dialog(services, bookingId, heading, parent);
    if (dialog.load())
        dialog.exec();
}
