#include "bookings/BookingBerthsPage.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BerthGridModel.h"
#include "bookings/BoatFitting.h"
#include "bookings/BookingWizardParts.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"
#include "people/BoatDialog.h"
#include "people/NamePicker.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

using BookingWizardParts::caption;

namespace {
// The new caller's boat in the boat list: it has no ID until the booking is saved.
constexpr int NewBoatId = -1;
} // namespace

BookingBerthsPage::BookingBerthsPage(Services& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_berths(new BerthGridModel(this))
{
    setObjectName(QStringLiteral("fraStep_1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption(tr("Berth / slips  available:"), this));
    layout->addWidget(caption(tr("Select the Berth to use. (Items selected will appear in blue)"), this));
    // The boat first: the grid then says which berths fit it.
    cboBoat = new NamePicker(services, this);
    cboBoat->setObjectName(QStringLiteral("cboBoat"));
    cboBoat->setMinimumContentsLength(32);
    // A new caller's boat is given here, before the customer: its sizes choose the berths.
    cmdNewBoat = new QPushButton(tr("New Boa&t..."), this);
    cmdNewBoat->setObjectName(QStringLiteral("cmdNewBoat"));
    cmdNewBoat->setAutoDefault(false);
    connect(cmdNewBoat, &QPushButton::clicked, this, &BookingBerthsPage::addNewBoat);
    chkOnlyFit = new QCheckBox(tr("&Only berths that fit"), this);
    chkOnlyFit->setObjectName(QStringLiteral("chkOnlyFit"));
    connect(chkOnlyFit, &QCheckBox::toggled, this, [this] { relist(markedIds()); });
    connect(cboBoat, &QComboBox::currentIndexChanged, this, &BookingBerthsPage::boatChosen);
    auto* boatRow = new QHBoxLayout;
    auto* boatCaption = new QLabel(tr("Bo&at:"), this);
    boatCaption->setBuddy(cboBoat);
    boatRow->addWidget(boatCaption);
    boatRow->addWidget(cboBoat);
    boatRow->addWidget(cmdNewBoat);
    boatRow->addWidget(chkOnlyFit);
    boatRow->addStretch(1);
    layout->addLayout(boatRow);
    grdBerth = new QTableView(this);
    grdBerth->setObjectName(QStringLiteral("grdBerth"));
    grdBerth->setModel(m_berths);
    grdBerth->setSelectionMode(QAbstractItemView::NoSelection);
    grdBerth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBerth->verticalHeader()->hide();
    grdBerth->setColumnHidden(BerthGridModel::ColID, true);
    grdBerth->setColumnHidden(BerthGridModel::ColDailyHireCharge, true);
    // The fit column says why a berth is too small ("No: length, ..."): every column as wide as it asks.
    fitColumns(grdBerth);
    grdBerth->horizontalHeader()->setStretchLastSection(true);
    connect(grdBerth, &QTableView::clicked, this, [this](const QModelIndex& index) {
        grdBerth->setCurrentIndex(index);
        m_berths->toggle(index.row());
    });
    // Space marks and unmarks the current berth, as a click does.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), grdBerth, nullptr, nullptr, Qt::WidgetShortcut);
    connect(space, &QShortcut::activated, this, [this] {
        if (const QModelIndex current = grdBerth->currentIndex(); current.isValid())
            m_berths->toggle(current.row());
    });
    berthReadError = new ReadErrorLine(this);
    layout->addWidget(berthReadError);
    layout->addWidget(grdBerth, 1);
    layout->addWidget(
        caption(tr("Select the unit for this booking. (Items highlighted in blue have been booked)"), this));
}

void BookingBerthsPage::prepare()
{
    m_berths->setBerths({});
    m_free.clear();
    m_misfitDetails.clear();
    m_newBoat.reset();
    loadBoats();
}

void BookingBerthsPage::listBoats()
{
    const QSignalBlocker blocker(cboBoat);
    const auto boats = Boats::withOwners(m_services.db());
    if (!boats)
        MessageLog::logError(QStringLiteral("frmBooking.LoadBoats: %1").arg(boats.error()));
    m_boats = boats.valueOr({});
    QList<PickerChoices::Choice> fixed{{0, tr("(no boat)")}};
    if (m_newBoat)
        fixed.append({NewBoatId, tr("%1 (new)").arg(Boats::boatLine(*m_newBoat))});
    QList<PickerChoices::Choice> known;
    known.reserve(m_boats.size());
    for (const Boats::OwnedBoat& owned : m_boats)
        known.append({owned.boat.id, QStringLiteral("%1 (%2)").arg(Boats::boatLine(owned.boat), owned.owner)});
    cboBoat->setChoices(PickerChoices(known), fixed);
    cboBoat->setCurrentIndex(0);
}

void BookingBerthsPage::loadBoats()
{
    listBoats();
    boatChosen();
}

void BookingBerthsPage::addNewBoat()
{
    BoatDialog dialog(m_services, m_newBoat.value_or(BoatRecord()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    offerNewBoat(dialog.saved());
}

void BookingBerthsPage::offerNewBoat(const BoatRecord& boat)
{
    m_newBoat = boat;
    listBoats();
    cboBoat->setCurrentIndex(cboBoat->findData(NewBoatId)); // lists the berths again for it
}

void BookingBerthsPage::chooseBoat(int id)
{
    cboBoat->setCurrentIndex(std::max(0, cboBoat->findData(id)));
}

std::optional<BoatRecord> BookingBerthsPage::chosenBoat() const
{
    const int id = cboBoat->currentIndex() < 0 ? 0 : cboBoat->currentData().toInt();
    if (id == NewBoatId)
        return m_newBoat;
    for (const Boats::OwnedBoat& owned : m_boats) {
        if (owned.boat.id == id && id > 0)
            return owned.boat;
    }
    return std::nullopt;
}

void BookingBerthsPage::boatChosen()
{
    const std::optional<BoatRecord> boat = chosenBoat();
    m_berths->setBoat(boat);
    {
        // On by default when a boat is chosen; without one there is nothing to fit.
        const QSignalBlocker blocker(chkOnlyFit);
        chkOnlyFit->setChecked(boat.has_value());
        chkOnlyFit->setEnabled(boat.has_value());
    }
    if (boat && boat->customerId > 0) // a new caller's boat has no customer yet
        emit ownerChosen(boat->customerId);
    relist(markedIds());
}

void BookingBerthsPage::relist(const QList<int>& keepMarked)
{
    m_berths->setBerths(BoatFitting::listed(m_free, chosenBoat(), chkOnlyFit->isChecked(), keepMarked));
    m_berths->markBerths(keepMarked);
}

void BookingBerthsPage::fill(const QDateTime& from, const QDateTime& to, int bookingId, const QList<int>& keepMarked)
{
    const auto berths = BerthAvailability::freeBerths(m_services.db(), from, to, bookingId);
    // An empty grid must mean no free berth: a failed read says so above the grid and in the message log.
    if (!berths)
        MessageLog::logError(QStringLiteral("frmBooking.FillBerthGrid: %1").arg(berths.error()));
    berthReadError->showError(berths.error());
    m_free = berths.valueOr({});
    m_berths->setAway(HeldBerths::awayOver(m_services.db(), from, to).valueOr({}));
    relist(keepMarked);
}

void BookingBerthsPage::fillIn(BookingRecord& booking) const
{
    if (const auto boat = chosenBoat(); boat && boat->id > 0)
        booking.boatId = boat->id;
    else if (boat)
        booking.newBoat = boat;
    for (const AvailableBerth& berth : m_berths->marked()) {
        booking.berthIds.append(berth.id);
        booking.berthNames.append(berth.name);
    }
}

QList<AvailableBerth> BookingBerthsPage::marked() const
{
    return m_berths->marked();
}

QList<int> BookingBerthsPage::markedIds() const
{
    QList<int> ids;
    for (const AvailableBerth& berth : m_berths->marked())
        ids << berth.id;
    return ids;
}

int BookingBerthsPage::selectedCount() const
{
    return m_berths->selectedCount();
}

bool BookingBerthsPage::check()
{
    if (m_berths->selectedCount() == 0) {
        m_services.messages.show(tr("Please select one or more units"), BookingWizardParts::title(),
                                 MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    // A boat too big for a marked berth is booked there only when the person says so, and the log keeps it.
    m_misfitDetails.clear();
    if (const auto boat = chosenBoat()) {
        if (const QStringList misfits = BoatFitting::misfitBerths(*boat, m_berths->marked()); !misfits.isEmpty()) {
            if (m_services.messages.show(BoatFitting::misfitQuestion(*boat, misfits), BookingWizardParts::title(),
                                         MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
                return false;
            m_misfitDetails = BoatFitting::misfitDetails(*boat, misfits);
        }
    }
    return true;
}
