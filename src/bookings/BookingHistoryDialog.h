#pragma once

#include "bookings/BookingHistory.h"

#include <QDialog>

struct Services;
class QTreeWidget;

/// "Booking history": every change of one booking, oldest first, with who made it, where and when; printed or saved
/// as a PDF file through the document renderer. Opened from the booking summary.
class BookingHistoryDialog final : public QDialog
{
    Q_OBJECT
public:
    BookingHistoryDialog(Services& services, int bookingId, const QString& heading, QWidget* parent = nullptr);

    /// Reads the booking's history and shows it modally; tells the user when it cannot be read.
    static void display(Services& services, int bookingId, const QString& heading, QWidget* parent);
    /// Reads the history again into the list; false (the user told) when it cannot be read.
    bool load();

private:
    Services& m_services;
    int m_bookingId;
    QString m_heading;
    QList<BookingHistory::Change> m_changes;
    QTreeWidget* m_lstHistory;
};
