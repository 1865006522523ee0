#pragma once

#include "bookings/BookingMail.h"

#include <QDialog>
#include <optional>

struct Services;
class QLabel;
class QPushButton;
class QTreeWidget;

/// "Reminders": the deposit and balance reminders the office's rules propose today, or those the bookings chosen
/// in Today or the payments due owe now, each ticked to go; the clerk reviews them and queues the ticked ones in
/// one step. Nothing is sent unasked, and nothing twice.
class RemindersWindow final : public QDialog
{
    Q_OBJECT
public:
    /// chosen: the bookings to remind whatever the rules' days; none: what the rules propose today.
    RemindersWindow(Services& services, QWidget* parent, std::optional<QList<int>> chosen = std::nullopt);
    static void display(Services& services, QWidget* parent, std::optional<QList<int>> chosen = std::nullopt);

    /// Reads today's proposals afresh.
    void reload();
    /// Queues the ticked reminders; how many went.
    int sendChosen();

private:
    Services& m_services;
    std::optional<QList<int>> m_chosen;
    QList<BookingMail::Reminder> m_proposed;
    QTreeWidget* m_list;
    QLabel* m_lblSummary;
    QPushButton* m_cmdSend;
};
