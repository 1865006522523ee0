#pragma once

#include "bookings/QuickSearch.h"

#include <QLineEdit>

struct Services;
class QListWidget;

/// The toolbar's quick search: each key searches again (QuickSearch) and shows bookings and customers in a list
/// under the box. Down and Up move in the list, Enter opens the current line (the first when none is current),
/// Escape closes the list; a click opens a line too. The focus stays in the box throughout.
class QuickSearchBox final : public QLineEdit
{
    Q_OBJECT
public:
    explicit QuickSearchBox(Services& services, QWidget* parent = nullptr);

    /// The lines found for the text in the box, as the list shows them.
    const QList<QuickSearch::Hit>& hits() const { return m_hits; }
    /// Searches for the text in the box and shows what it found (as typing does).
    void search();

signals:
    void bookingChosen(int bookingId);
    void customerChosen(int customerId);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showList();
    void open(int row);

    Services& m_services;
    QList<QuickSearch::Hit> m_hits;
    QListWidget* m_list = nullptr; // over the window, below the box; made when first shown
};
