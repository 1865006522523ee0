#pragma once

#include <QObject>

struct BookingRecord;
struct Services;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

/// How the customer pays, on the wizard's charges page: the method and the card, and for a booking being changed
/// Record Payment..., which puts a payment on its ledger and shows the new sum in the paid box. Its controls belong
/// to the page that places them.
class BookingPaymentPanel final : public QObject
{
    Q_OBJECT
public:
    /// paid: the page's paid box, typed into for a new booking and read-only for one being changed.
    BookingPaymentPanel(Services& services, QLineEdit* paid, QWidget* page);

    /// Puts the captions and boxes into grid from row on, in columns column and column + 1, Record Payment... under.
    void placeIn(QGridLayout* grid, int row, int column);
    /// A new booking: the payment methods listed, none chosen; the paid box takes typing.
    void prepare();
    /// A booking being changed: its method and card (the number masked), the paid box read-only.
    void load(const BookingRecord& booking);
    /// Writes the method and the card into booking.
    void fillIn(BookingRecord& booking) const;

    QComboBox* cboPaymentMethod;
    QLineEdit* txtCreditCardNo;
    QLineEdit* txtCreditCardExpiry;
    QLineEdit* txtCreditCardType;
    QPushButton* cmdRecordPayment; // shown for a changed booking, whose paid box is read-only

private:
    Services& m_services;
    QLineEdit* m_paid;
    int m_bookingId = 0;
};
