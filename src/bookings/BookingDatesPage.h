#pragma once

#include <QDateTime>
#include <QWidget>

struct BookingRecord;
struct RegionalSettings;
class IMessageBox;
class QDateEdit;
class QLineEdit;
class QTimeEdit;

/// The booking wizard's step 1: the stay and who took the booking.
class BookingDatesPage final : public QWidget
{
    Q_OBJECT
public:
    BookingDatesPage(IMessageBox& messages, QWidget* parent);

    /// A new booking: today to today at the office's check-in and check-out times.
    void start(const QDate& today, const RegionalSettings& regional);
    /// A booking being changed: its stay (at the half hours the boxes take) and who took it.
    void load(const BookingRecord& booking);

    /// The stay as the boxes give it.
    QDateTime arrival() const;
    QDateTime departure() const;
    /// Whether the stay can be booked; otherwise says why, with the focus on the departure.
    bool check();

    QDateEdit* dtpFromDate;
    QTimeEdit* dtpFromTime;
    QDateEdit* dtpToDate;
    QTimeEdit* dtpToTime;
    QLineEdit* txtBookedBy;

private:
    IMessageBox& m_messages;
};
