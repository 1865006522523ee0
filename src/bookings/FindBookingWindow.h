#pragma once

#include "bookings/FindBookingModel.h"

#include <QDialog>

struct Services;
class IWindowHost;
class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QTableView;

/// "Find Booking": every booking that has a customer, narrowed to an arrival and departure range; the chosen
/// booking opens in the wizard. Modal.
class FindBookingWindow final : public QDialog
{
    Q_OBJECT
public:
    /// What the window was closed with.
    enum Outcome
    {
        Closed = QDialog::Rejected,
        EditRequested = QDialog::Accepted
    };

    explicit FindBookingWindow(Services& services, QWidget* parent = nullptr);

    /// Shows the window modally; "View/Edit Booking" closes it and opens the wizard on the current row's booking.
    static void display(IWindowHost& host, Services& services);

    /// Lists every booking; both pickers start at the current date and time, switched on.
    bool load();
    FindBookingModel* model() const { return m_model; }
    /// The booking of the grid's current row; 0 when there is none.
    int currentBookingId() const;

private:
    void startSearch();
    bool showRows(const FindBookingModel::Bounds& bounds);
    void showFirstRow();

    Services& m_services;
    FindBookingModel* m_model;
    QCheckBox* m_chkArriving;
    QDateTimeEdit* m_dtpArriving;
    QCheckBox* m_chkDeparting;
    QDateTimeEdit* m_dtpDeparting;
    QCheckBox* m_chkShowCancelled;
    QLineEdit* m_txtName; // narrows the list to the customers named as it is typed
    QTableView* m_grdBooking;
    QLabel* m_lblTotalMatches;
};
