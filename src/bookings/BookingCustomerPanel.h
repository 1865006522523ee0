#pragma once

#include "people/Boats.h"
#include "people/PeopleRecords.h"

#include <QObject>
#include <optional>

class NamePicker;
struct Services;
class QGridLayout;
class QPushButton;
class QWidget;

/// The booking's customer on the wizard's charges page: a picker that narrows as a name is typed, and New... for a
/// caller not yet known. Its controls belong to the page that places them.
class BookingCustomerPanel final : public QObject
{
    Q_OBJECT
public:
    BookingCustomerPanel(Services& services, QWidget* page);

    /// Puts the caption, the picker and New... into row of grid, over its four columns.
    void placeIn(QGridLayout* grid, int row);
    /// Lists every customer, none chosen, and the new caller offered; a failed read leaves the list empty and goes to
    /// the diagnostic log.
    void load();
    /// Lists a caller not known yet as "Name (new)" and chooses them: added when the booking is saved. Nothing: no
    /// new caller listed.
    void offerNew(const std::optional<CustomerRecord>& caller);
    /// The new caller, when they are the one chosen.
    std::optional<CustomerRecord> chosenNew() const;
    /// Chooses customer id; none when it is not listed.
    void select(int id);
    /// The customer chosen; 0 for none.
    int chosenId() const;
    /// Whether a customer is chosen, and boat (if any, and known) is theirs; otherwise says why, with the focus on
    /// the picker.
    bool check(const std::optional<BoatRecord>& boat);

    NamePicker* cboCustomer;
    QPushButton* cmdAddCustomer;

private:
    void add();

    Services& m_services;
    std::optional<CustomerRecord> m_new; // a caller not known yet, offered by what the booking started from
};
