#pragma once

#include "core/Removal.h"
#include "people/CustomerSearch.h"

#include <QDialog>

struct Services;
class QCheckBox;
class ReadErrorLine;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

/// Finds customers by the start of any of their fields, by any part of their name, address, phones or e-mail, and by
/// the club flag (modal, "Find Customer..."). All customers are read once when it opens; each search narrows that
/// set in memory, the any-part words through the search index.
class FindCustomerDialog final : public QDialog
{
    Q_OBJECT
public:
    /// bookings: what goes with a deleted customer (the bookings folder counts and removes them).
    FindCustomerDialog(Services& services, Removal::Dependents bookings, QWidget* parent = nullptr);

    /// Loads the customers and shows the window modally; returns once it has closed. anyPart: words already typed
    /// for the any-part box (the toolbar's search box), searched at once.
    static void display(Services& services, const Removal::Dependents& bookings, QWidget* parent,
                        const QString& anyPart = {});
    /// Reads every customer into the grid; false (an empty grid, the reason in the message log) on failure.
    bool load();

    /// What the boxes ask for now.
    CustomerCriteria criteria() const;
    CustomerSearchModel* model() const { return m_model; }
    /// Whether a search has narrowed the list since the window opened.
    bool searched() const { return m_searched; }

private:
    void startSearch();
    void addCustomer();
    void editCustomer();
    void deleteCustomer();
    int currentRow() const;
    void setCurrentRow(int row);

    Services& m_services;
    Removal::Dependents m_bookings;
    CustomerSearchModel* m_model;
    bool m_searched = false;
    bool m_loaded = false;

    QLineEdit* m_txtAnyPart;
    std::array<QLineEdit*, CustomerCriteria::FieldCount> m_boxes{};
    QCheckBox* m_chkClubMember;
    ReadErrorLine* m_readError;
    QTableView* m_grdCustomer;
    QLabel* m_lblTotalMatches;
};
