#include "waiting/WaitingListWindow.h"

#include "bookings/BookingWizard.h"
#include "core/Actor.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/DocumentRenderer.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"
#include "mail/MailSettings.h"
#include "mail/OutboxSender.h"
#include "rates/RateStore.h"
#include "waiting/WaitingEntryDialog.h"
#include "waiting/WaitingListRows.h"
#include "waiting/WaitingOfferMail.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void fill(QStandardItemModel& model, const QStringList& headers, const QList<QStringList>& rows)
{
    model.clear();
    model.setHorizontalHeaderLabels(headers);
    for (const QStringList& texts : rows) {
        QList<QStandardItem*> items;
        for (const QString& text : texts)
            items << new QStandardItem(text);
        model.appendRow(items);
    }
}

BookingRequest requestFor(const WaitingEntry& entry, const QList<int>& berthIds = {})
{
    return {.from = entry.from,
            .to = entry.to,
            .customerId = entry.customerId,
            .boatId = entry.boatId,
            .berthIds = berthIds};
}

// "Berths came free": the entries that can take them, in the order of the list, and a booking started from one.
class OffersDialog final : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(OffersDialog)
public:
    OffersDialog(IWindowHost& host, Services& services, const QList<WaitingOffer>& offers)
        : QDialog(host.dialogParent()), m_offers(offers)
    {
        setObjectName(QStringLiteral("frmWaitingOffers"));
        setWindowTitle(tr("Berths came free"));
        setModal(true);
        auto* model = new QStandardItemModel(this);
        QList<QStringList> rows;
        for (const WaitingOffer& offer : offers) {
            const QStringList cells = WaitingListRows::cells(offer.line);
            rows << QStringList{cells.value(0), cells.value(1), cells.value(2),
                                tr("%1 to %2").arg(cells.value(3), cells.value(4)),
                                offer.berthNames.join(QStringLiteral(", "))};
        }
        fill(*model, {tr("Position"), tr("Customer"), tr("Boat"), tr("Period"), tr("Berths that fit")}, rows);
        m_grid = recordGrid(QStringLiteral("grdOffers"), model, this);
        m_grid->horizontalHeader()->setStretchLastSection(true);
        fitColumns(m_grid);
        m_grid->selectRow(0);
        auto* intro = new QLabel(tr("A booking was cancelled or changed. These entries on the waiting list can "
                                    "take the berths that came free:"),
                                 this);
        intro->setWordWrap(true);
        auto* cmdBook = button(tr("&Book..."), "cmdBook", this);
        auto* cmdEmailOffer = button(tr("&E-mail Offer"), "cmdEmailOffer", this);
        cmdEmailOffer->setEnabled(MailSettings::isSetUp());
        if (!MailSettings::isSetUp())
            cmdEmailOffer->setToolTip(MailSettings::notSetUpText());
        connect(cmdEmailOffer, &QPushButton::clicked, this, [this, &services] { emailOffer(services); });
        auto* cmdClose = button(tr("Close"), "cmdClose", this);
        connect(cmdBook, &QPushButton::clicked, this, [this, &host, &services] {
            const int row = m_grid->currentIndex().row();
            if (row < 0 || row >= m_offers.size())
                return;
            const WaitingOffer& offer = m_offers.at(row);
            // A wizard busy with another booking comes forward as it is and says so; the offers stay open.
            if (BookingWizard::startFrom(host, services, requestFor(offer.line.entry, offer.berthIds)))
                accept();
        });
        connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(cmdEmailOffer);
        buttons->addWidget(cmdBook);
        buttons->addWidget(cmdClose);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(intro);
        layout->addWidget(m_grid, 1);
        layout->addLayout(buttons);
        resize(Twips::toPixelsX(9000, this), Twips::toPixelsY(4000, this));
    }

private:
    // Queues the office's offer to the entry chosen and marks it offered; the dialog stays open for the next.
    void emailOffer(Services& services)
    {
        const int row = m_grid->currentIndex().row();
        if (row < 0 || row >= m_offers.size())
            return;
        WaitingOffer& offer = m_offers[row];
        const auto queued = WaitingOfferMail::queue(services.db(), offer, services.clock.now(), Actor::label());
        if (!queued) {
            if (queued.kind() == FailureKind::Database)
                MessageLog::logError(QStringLiteral("frmWaitingOffers.EmailOffer: %1").arg(queued.error()));
            services.messages.show(tr("The offer was not queued: %1").arg(queued.error()), windowTitle(),
                                   MsgIcon::Exclamation);
            return;
        }
        offer.line.entry.status = WaitingStatus::Offered;
        offer.line.entry.offeredOn = services.clock.now().date();
        services.events.log(EventLog::MailQueued, tr("Waiting-list offer to %1").arg(offer.line.customer));
        if (OutboxSender* sender = OutboxSender::running())
            sender->wake();
        services.messages.show(tr("The offer to %1 is in the outbox and goes out in the background; the entry is "
                                  "marked offered.")
                                   .arg(offer.line.customer),
                               windowTitle(), MsgIcon::Information);
    }

    QList<WaitingOffer> m_offers;
    QTableView* m_grid;
};

} // namespace

WaitingListWindow::WaitingListWindow(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services)
{
    setObjectName(WindowName);
    setWindowTitle(tr("Waiting List"));

    m_cboStatus = new QComboBox(this);
    m_cboStatus->setObjectName(QStringLiteral("cboStatus"));
    m_cboStatus->addItem(tr("All"));
    m_cboStatus->addItems(WaitingList::statusNames());
    m_cboBerthType = new QComboBox(this);
    m_cboBerthType->setObjectName(QStringLiteral("cboBerthType"));
    auto* lblStatus = new QLabel(tr("&Status:"), this);
    lblStatus->setBuddy(m_cboStatus);
    auto* lblType = new QLabel(tr("Berth &type:"), this);
    lblType->setBuddy(m_cboBerthType);
    connect(m_cboStatus, &QComboBox::currentIndexChanged, this, &WaitingListWindow::reload);
    connect(m_cboBerthType, &QComboBox::currentIndexChanged, this, &WaitingListWindow::reload);

    auto* model = new QStandardItemModel(this);
    m_grid = recordGrid(QStringLiteral("grdWaiting"), model, this);
    fitColumns(m_grid);
    m_grid->setAlternatingRowColors(true);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide(); // the position column numbers the entries that count
    m_readError = new ReadErrorLine(this);
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        if (const WaitingLine* line = current())
            openEntry(line->entry);
    });

    auto* cmdAdd = button(tr("&Add..."), "cmdAdd", this);
    auto* cmdEdit = button(tr("&Edit..."), "cmdEdit", this);
    auto* cmdWithdraw = button(tr("&Withdraw"), "cmdWithdraw", this);
    auto* cmdOffered = button(tr("Mark &Offered"), "cmdOffered", this);
    auto* cmdBooked = button(tr("Mark Boo&ked"), "cmdBooked", this);
    auto* cmdBook = button(tr("&Book..."), "cmdBook", this);
    auto* cmdPrint = button(tr("&Print..."), "cmdPrint", this);
    auto* cmdClose = button(tr("Close"), "cmdClose", this);
    connect(cmdAdd, &QPushButton::clicked, this, [this] { openEntry({}); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] {
        if (const WaitingLine* line = current())
            openEntry(line->entry);
    });
    connect(cmdWithdraw, &QPushButton::clicked, this, [this] { setStatus(WaitingStatus::Withdrawn); });
    connect(cmdOffered, &QPushButton::clicked, this, [this] { setStatus(WaitingStatus::Offered); });
    connect(cmdBooked, &QPushButton::clicked, this, [this] { setStatus(WaitingStatus::Booked); });
    connect(cmdBook, &QPushButton::clicked, this, &WaitingListWindow::book);
    connect(cmdPrint, &QPushButton::clicked, this, &WaitingListWindow::print);
    connect(cmdClose, &QPushButton::clicked, this, &WaitingListWindow::closeWindow);

    auto* filters = new QHBoxLayout;
    filters->addWidget(lblStatus);
    filters->addWidget(m_cboStatus);
    filters->addSpacing(12);
    filters->addWidget(lblType);
    filters->addWidget(m_cboBerthType);
    filters->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdWithdraw, cmdOffered, cmdBooked, cmdBook, cmdPrint})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_readError);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    // Wide enough for the customer, the boat and the period without scrolling; the frame sizes it from this.
    setMinimumSize(Twips::toPixelsX(13000, this), Twips::toPixelsY(5000, this));

    reload();
}

WaitingListWindow* WaitingListWindow::display(IWindowHost& host, Services& services)
{
    auto* window = qobject_cast<WaitingListWindow*>(host.findWindow(WindowName));
    if (window)
        window->reload();
    else
        window = new WaitingListWindow(host, services);
    host.showChild(window);
    return window;
}

void WaitingListWindow::offerReleased(IWindowHost& host, Services& services, const QList<int>& berthIds,
                                      const QDateTime& from, const QDateTime& to)
{
    if (berthIds.isEmpty())
        return;
    const auto offers = WaitingList::afterRelease(services.db(), berthIds, from, to);
    if (!offers) {
        MessageLog::logError(QStringLiteral("frmWaitingList.OfferReleased: %1").arg(offers.error()));
        services.messages.show(
            tr("The waiting list could not be read for the berths that came free: %1").arg(offers.error()),
            tr("Waiting List"), MsgIcon::Critical);
        return;
    }
    if (offers->isEmpty())
        return;
    OffersDialog dialog(host, services, *offers);
    dialog.exec();
}

void WaitingListWindow::reload()
{
    const int keep = current() ? current()->entry.id : 0;
    const QSqlDatabase db = m_services.db();
    QString failure;
    // The berth types may have changed while the window stood behind another.
    if (const auto types = RateStore::berthTypes(db); types) {
        const QVariant chosen = m_cboBerthType->currentData();
        const QSignalBlocker quiet(m_cboBerthType);
        m_cboBerthType->clear();
        m_cboBerthType->addItem(tr("All types"));
        for (const Sql::LookupItem& t : *types)
            m_cboBerthType->addItem(t.text, t.id);
        m_cboBerthType->setCurrentIndex(chosen.isValid() ? std::max(0, m_cboBerthType->findData(chosen)) : 0);
    } else {
        failure = types.error();
    }
    const int status = m_cboStatus->currentIndex();
    const QVariant type = m_cboBerthType->currentData();
    const auto lines = WaitingList::lines(db, status > 0 ? std::optional(WaitingStatus(status - 1)) : std::nullopt,
                                          type.isValid() ? std::optional(type.toInt()) : std::nullopt);
    m_lines = lines ? *lines : QList<WaitingLine>();
    if (!lines)
        failure = lines.error();
    if (!failure.isEmpty())
        MessageLog::logError(QStringLiteral("frmWaitingList.Reload: %1").arg(failure));
    m_readError->showError(failure);

    QList<QStringList> rows;
    int row = 0;
    for (int i = 0; i < m_lines.size(); ++i) {
        rows << WaitingListRows::cells(m_lines.at(i));
        if (m_lines.at(i).entry.id == keep)
            row = i;
    }
    fill(*static_cast<QStandardItemModel*>(m_grid->model()), WaitingListRows::headers(), rows);
    if (!m_lines.isEmpty())
        m_grid->selectRow(row);
}

const WaitingLine* WaitingListWindow::current() const
{
    const int row = m_grid->currentIndex().row();
    return row >= 0 && row < m_lines.size() ? &m_lines.at(row) : nullptr;
}

void WaitingListWindow::openEntry(const WaitingEntry& entry)
{
    WaitingEntryDialog dialog(m_services, entry, m_host.dialogParent());
    if (const Status loaded = dialog.load(); !loaded) {
        m_services.messages.show(tr("The lists for the entry could not be read: %1").arg(loaded.error()), windowTitle(),
                                 MsgIcon::Critical);
        return;
    }
    dialog.exec();
    reload();
}

void WaitingListWindow::setStatus(WaitingStatus status)
{
    const WaitingLine* line = current();
    if (!line || line->entry.status == status)
        return;
    WaitingEntry edited = line->entry;
    edited.status = status;
    const Status saved = WaitingList::modify(m_services.db(), line->entry, edited, m_services.clock.now().date());
    if (!saved)
        m_services.messages.show(saved.error(), windowTitle(),
                                 saved.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
    reload();
}

void WaitingListWindow::book()
{
    if (const WaitingLine* line = current())
        BookingWizard::startFrom(m_host, m_services, requestFor(line->entry));
}

void WaitingListWindow::print()
{
    DocumentRenderer::saveAsPdf(WaitingListRows::document(m_lines, m_services.clock.now()), m_services,
                                QStringLiteral("Waiting List.pdf"));
}

void WaitingListWindow::closeWindow()
{
    closeWithFrame();
}
