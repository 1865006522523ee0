#include "calendars/CalendarsDialog.h"

#include "bookings/FeedBlocks.h"
#include "calendars/CalendarDesk.h"
#include "calendars/FeedStore.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/ui/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidget* table(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void put(QTableWidget* t, int row, const QStringList& cells, int id)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setData(Qt::UserRole, id);
        t->setItem(row, c, item);
    }
}

QString shown(const QDateTime& when)
{
    return when.isValid() ? when.toString(DateTimes::dateTimeFormat()) : QString();
}
} // namespace

CalendarsDialog::CalendarsDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmCalendars"));
    setWindowTitle(tr("Calendars"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabCalendars"));

    auto* feedsPage = new QWidget(tabs);
    m_feeds = table(feedsPage, "grdFeeds", {tr("Berth"), tr("Address"), tr("Last read"), tr("Events"), tr("Problem")});
    m_cboBerth = new QComboBox(feedsPage);
    m_cboBerth->setObjectName(QStringLiteral("cboBerth"));
    m_txtAddress = new QLineEdit(feedsPage);
    m_txtAddress->setObjectName(QStringLiteral("txtAddress"));
    m_txtAddress->setMaxLength(FeedStore::MaxAddressLength);
    m_txtAddress->setPlaceholderText(tr("https://... or webcal://... (the other site's calendar of this berth)"));
    auto* cmdAdd = new QPushButton(tr("&Add"), feedsPage);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    auto* cmdRemove = new QPushButton(tr("Re&move"), feedsPage);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    auto* cmdRead = new QPushButton(tr("Read &now"), feedsPage);
    cmdRead->setObjectName(QStringLiteral("cmdReadNow"));
    auto* adding = new QHBoxLayout;
    auto* lblBerth = new QLabel(tr("&Berth:"), feedsPage);
    lblBerth->setBuddy(m_cboBerth);
    auto* lblAddress = new QLabel(tr("Add&ress:"), feedsPage);
    lblAddress->setBuddy(m_txtAddress);
    adding->addWidget(lblBerth);
    adding->addWidget(m_cboBerth);
    adding->addWidget(lblAddress);
    adding->addWidget(m_txtAddress, 1);
    adding->addWidget(cmdAdd);
    auto* feedButtons = new QHBoxLayout;
    feedButtons->addWidget(cmdRemove);
    feedButtons->addWidget(cmdRead);
    feedButtons->addStretch();
    auto* feedsLayout = new QVBoxLayout(feedsPage);
    feedsLayout->addWidget(m_feeds, 1);
    feedsLayout->addLayout(adding);
    feedsLayout->addLayout(feedButtons);
    tabs->addTab(feedsPage, tr("&Feeds"));

    auto* conflictsPage = new QWidget(tabs);
    m_conflicts =
        table(conflictsPage, "grdConflicts", {tr("Berth"), tr("From"), tr("To"), tr("Booking"), tr("Customer")});
    auto* lblConflicts = new QLabel(
        tr("Stays here that another site's calendar also holds: move each stay to another berth, or ask the other "
           "site to free its dates."),
        conflictsPage);
    lblConflicts->setWordWrap(true);
    auto* conflictsLayout = new QVBoxLayout(conflictsPage);
    conflictsLayout->addWidget(lblConflicts);
    conflictsLayout->addWidget(m_conflicts, 1);
    tabs->addTab(conflictsPage, tr("C&onflicts"));

    auto* deskPage = new QWidget(tabs);
    m_txtFolder = new QLineEdit(Registry::getRegistryValue(Settings::CalendarPublishFolder), deskPage);
    m_txtFolder->setObjectName(QStringLiteral("txtFolder"));
    m_txtFolder->setPlaceholderText(tr("empty: this desk publishes no calendars"));
    auto* cmdBrowse = new QPushButton(tr("Bro&wse..."), deskPage);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    m_chkGateway = new QCheckBox(tr("This desk is the &gateway: it reads the feeds of other sites"), deskPage);
    m_chkGateway->setObjectName(QStringLiteral("chkGateway"));
    m_chkGateway->setChecked(Registry::getRegistryValue(Settings::CalendarGateway) == QLatin1String("1"));
    auto* cmdSaveDesk = new QPushButton(tr("&Save"), deskPage);
    cmdSaveDesk->setObjectName(QStringLiteral("cmdSaveDesk"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_txtFolder, 1);
    folderRow->addWidget(cmdBrowse);
    auto* deskForm = new QFormLayout(deskPage);
    deskForm->addRow(tr("&Publish calendars into:"), folderRow);
    deskForm->addRow(m_chkGateway);
    deskForm->addRow(new QLabel(tr("Each berth's calendar is berth-<number>.ics and each berth type's "
                                   "type-<number>.ics in that folder; put the folder on the office's web site."),
                                deskPage));
    deskForm->addRow(cmdSaveDesk);
    tabs->addTab(deskPage, tr("This &desk"));

    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdAdd, cmdRemove, cmdRead, cmdBrowse, cmdSaveDesk, cmdClose})
        b->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);
    layout->addLayout(closeRow);

    connect(cmdAdd, &QPushButton::clicked, this, [this] { addFeed(); });
    connect(m_txtAddress, &QLineEdit::returnPressed, this, [this] { addFeed(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { removeFeed(); });
    connect(cmdRead, &QPushButton::clicked, this, [this] {
        if (CalendarDesk* desk = CalendarDesk::running(); desk && CalendarDesk::configured().gateway)
            desk->wake();
        else
            m_services.messages.show(tr("Only the gateway desk reads the feeds: set it on the \"This desk\" page."),
                                     windowTitle(), MsgIcon::Information);
    });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] {
        FileRequest request;
        request.title = tr("Publish calendars into");
        request.folder = m_txtFolder->text().isEmpty() ? QDir::homePath() : m_txtFolder->text();
        request.proposedName = QStringLiteral("berth-1.ics");
        request.filter = tr("Calendars (*.ics)");
        request.save = true;
        const QString chosen = m_services.files.choose(request);
        if (!chosen.isEmpty())
            m_txtFolder->setText(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()));
    });
    connect(cmdSaveDesk, &QPushButton::clicked, this, [this] { saveDesk(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    if (CalendarDesk* desk = CalendarDesk::running())
        connect(desk, &CalendarDesk::feedsRead, this, &CalendarsDialog::reload);

    const auto berths = Sql::readLookup(m_services.db(), QStringLiteral("SELECT ID, Name FROM Berth WHERE Active <> 0 "
                                                                        "ORDER BY Name"));
    for (const Sql::LookupItem& b : berths.value_or(QList<Sql::LookupItem>{}))
        m_cboBerth->addItem(b.text, b.id);
    reload();
    resize(900, 480);
    WindowPlacement::keepSize(this, this);
}

void CalendarsDialog::display(Services& services, QWidget* parent)
{
    CalendarsDialog dialog(services, parent);
    dialog.exec();
}

void CalendarsDialog::reload()
{
    const auto feeds = FeedStore::list(m_services.db());
    const auto conflicts = FeedBlocks::conflicts(m_services.db());
    if (!feeds || !conflicts) {
        m_services.messages.show(
            tr("The calendars could not be read: %1").arg(feeds ? conflicts.error() : feeds.error()), windowTitle(),
            MsgIcon::Exclamation);
        return;
    }
    m_feeds->setRowCount(int(feeds->size()));
    for (int row = 0; row < feeds->size(); ++row) {
        const FeedStore::Feed& f = (*feeds)[row];
        put(m_feeds, row,
            {f.berthName, f.address, f.lastRead.isValid() ? shown(f.lastRead) : tr("not yet"),
             QString::number(f.events), f.lastError},
            f.id);
    }
    m_conflicts->setRowCount(int(conflicts->size()));
    for (int row = 0; row < conflicts->size(); ++row) {
        const FeedBlocks::Conflict& c = (*conflicts)[row];
        put(m_conflicts, row, {c.berthName, shown(c.from), shown(c.to), QString::number(c.bookingId), c.customer},
            c.bookingId);
    }
}

bool CalendarsDialog::addFeed()
{
    const auto added = FeedStore::add(m_services.db(), m_cboBerth->currentData().toInt(), m_txtAddress->text());
    if (!added) {
        m_services.messages.show(added.error(), windowTitle(), MsgIcon::Exclamation);
        m_txtAddress->setFocus();
        return false;
    }
    m_services.events.log(EventLog::CalendarFeedAdded,
                          m_cboBerth->currentText() + u' ' + m_txtAddress->text().trimmed());
    m_txtAddress->clear();
    reload();
    if (CalendarDesk* desk = CalendarDesk::running(); desk && CalendarDesk::configured().gateway)
        desk->wake();
    return true;
}

bool CalendarsDialog::removeFeed()
{
    const int row = m_feeds->currentRow();
    if (row < 0)
        return false;
    const QString what = m_feeds->item(row, 0)->text() + u' ' + m_feeds->item(row, 1)->text();
    if (m_services.messages.show(tr("Stop reading %1? The berth's blocks from this calendar are released.").arg(what),
                                 windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    if (Status removed = FeedStore::remove(m_services.db(), m_feeds->item(row, 0)->data(Qt::UserRole).toInt());
        !removed) {
        m_services.messages.show(tr("The feed was not removed: %1").arg(removed.error()), windowTitle(),
                                 MsgIcon::Exclamation);
        return false;
    }
    m_services.events.log(EventLog::CalendarFeedRemoved, what);
    reload();
    return true;
}

void CalendarsDialog::saveDesk()
{
    const QString folder = m_txtFolder->text().trimmed();
    if (!folder.isEmpty() && !QDir().mkpath(folder)) {
        m_services.messages.show(tr("The folder %1 could not be made.").arg(folder), windowTitle(),
                                 MsgIcon::Exclamation);
        m_txtFolder->setFocus();
        return;
    }
    Registry::setRegistryValue(Settings::CalendarPublishFolder, folder);
    Registry::setRegistryValue(Settings::CalendarGateway,
                               m_chkGateway->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    m_services.events.log(EventLog::SettingsModified,
                          tr("Calendars: publish folder \"%1\", gateway %2")
                              .arg(folder, m_chkGateway->isChecked() ? tr("yes") : tr("no")));
    if (CalendarDesk* desk = CalendarDesk::running())
        desk->reconfigure(CalendarDesk::configured());
}
