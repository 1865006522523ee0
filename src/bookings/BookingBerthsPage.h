#pragma once

#include "bookings/BookingRecord.h"
#include "people/Boats.h"

#include <QWidget>
#include <optional>

class BerthGridModel;
class NamePicker;
struct Services;
class QCheckBox;
class QPushButton;
class QTableView;
class ReadErrorLine;

/// The booking wizard's step 2: the boat, and the berths free for the stay (those that fit the boat first, or
/// only those), marked with a click or Space.
class BookingBerthsPage final : public QWidget
{
    Q_OBJECT
public:
    BookingBerthsPage(Services& services, QWidget* parent);

    /// Empties the page for a wizard prepared afresh: no berths, the new caller's boat forgotten, the boats listed.
    void prepare();
    /// Lists every boat with its owner after "(no boat)", which is chosen; a new caller's boat given since the
    /// wizard was prepared stays listed.
    void loadBoats();
    /// Asks for a new caller's boat (name, kind and sizes, not saved yet) and chooses it.
    void addNewBoat();
    /// Lists boat as the new caller's boat (saved with the booking) and chooses it.
    void offerNewBoat(const BoatRecord& boat);
    /// Chooses boat id; "(no boat)" when it is not listed.
    void chooseBoat(int id);
    /// The boat chosen: a known one, the new caller's (ID 0, no customer yet), or none.
    std::optional<BoatRecord> chosenBoat() const;

    /// Reads the berths free from from to to (booking bookingId's own count as free; a block's negated ID: that
    /// block's) and lists them with the berths of keepMarked marked; a failed read says so above the empty grid.
    void fill(const QDateTime& from, const QDateTime& to, int bookingId, const QList<int>& keepMarked);
    /// Writes the boat (a known one's ID, or a new caller's, saved for the customer with the booking) and the marked
    /// berths into booking.
    void fillIn(BookingRecord& booking) const;
    /// The berths marked, in the order they are listed.
    QList<AvailableBerth> marked() const;
    QList<int> markedIds() const;
    int selectedCount() const;

    /// Whether the marked berths can be booked: at least one, and a boat too big for one only when the person says
    /// so (misfitDetails() then holds it for the event log).
    bool check();
    QString misfitDetails() const { return m_misfitDetails; }

    NamePicker* cboBoat;     // "(no boat)" first, a new caller's boat, then every boat with its owner
    QPushButton* cmdNewBoat; // a boat not yet known, given before its customer
    QCheckBox* chkOnlyFit;   // "Only berths that fit"
    QTableView* grdBerth;
    ReadErrorLine* berthReadError;

signals:
    /// A known boat was chosen: its owner is the booking's customer.
    void ownerChosen(int customerId);

private:
    void listBoats();
    void boatChosen();
    void relist(const QList<int>& keepMarked);

    Services& m_services;
    BerthGridModel* m_berths;
    QList<Boats::OwnedBoat> m_boats;     // the known boats listed
    std::optional<BoatRecord> m_newBoat; // a new caller's boat, saved with the booking for its customer
    QList<AvailableBerth> m_free;        // every free berth for the period, before the fit filter
    QString m_misfitDetails;             // a boat booked into berths too small, for the event log
};
