#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;
class QLineEdit;

/// The booking as it is read back to the customer: the stay, the customer's name, address, telephone and e-mail,
/// and the party. The booking wizard's last page and the reservation summary show it. The labels are public
/// members named as their objectName; the owner fills them and answers a click on "Email".
class BookingDetailsPanel final : public QWidget
{
    Q_OBJECT
public:
    /// phoneCaption stands before the telephone number; rowSpacing is the gap within a row (-1: the style's).
    BookingDetailsPanel(const QString& phoneCaption, int rowSpacing, QWidget* parent);

    QLabel* lblDates;
    QLabel* lblName;
    QLabel* lblAddress;
    QLabel* lblPhone;
    QLabel* lblMail;
    ClickableLabel* email; // "Email"
    QLabel* lblNoAdults;
    QLabel* lblAdults;
    QLabel* lblNoKids;
    QLabel* lblKids;
    QLabel* lblBerths;    // "Berth(s): A1, B2"
    QLabel* lblBoat;      // "Boat: Seaspray, 11.40 m"; hidden for a booking without a boat
    QLineEdit* txtOldRef; // the booking's reference in the office's previous records; hidden when it has none
};
