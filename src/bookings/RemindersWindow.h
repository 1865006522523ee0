#pragma once

#include "bookings/BookingMail.h"

#include <QDialog>

struct Services;
class QLabel;
class QPushButton;
class QTreeWidget;

/// "Reminders": the deposit and balance reminders the office's rules propose today, each ticked to go; the clerk
/// reviews them and queues the ticked ones in one step. Nothing is sent unasked.
class RemindersWindow final : public QDialog
{
    Q_OBJECT
public:
    RemindersWindow(Services& services, QWidget* parent);
    static void display(Services& services, QWidget* parent);

    /// Reads today's proposals afresh.
    void reload();
    /// Queues the ticked reminders; how many went.
    int sendChosen();

private:
    Services& m_services;
    QList<BookingMail::Reminder> m_proposed;
    QTreeWidget* m_list;
    QLabel* m_lblSummary;
    QPushButton* m_cmdSend;
};
