#pragma once

#include <QWidget>

struct Services;
class QPushButton;
class QTreeWidget;

/// The booking's messages in the outbox, newest first, with what became of each; one not yet sent can be sent again
/// now or edited first.
class BookingMessagesPanel final : public QWidget
{
    Q_OBJECT
public:
    BookingMessagesPanel(Services& services, QWidget* parent);
    /// Lists the messages of booking bookingId as stored now.
    void show(int bookingId);

private:
    qint64 chosenId() const;
    void retry();
    void edit();

    Services& m_services;
    int m_bookingId = 0;
    QTreeWidget* m_list;
    QPushButton* m_cmdRetry;
    QPushButton* m_cmdEdit;
};
