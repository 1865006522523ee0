#pragma once

#include "core/SqlHelpers.h"
#include "rates/TermRates.h"

#include <QDialog>

struct Services;
class QTableWidget;

/// "Terms and prices": the terms a berth is let for (a season or a year, with its first and last day, once or every
/// year) and each term's price for a berth type, per berth or per metre, from a date. Saved as one, and only if no
/// other desk changed them meanwhile.
class TermsDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TermsDialog(Services& services, QWidget* parent = nullptr);

    /// Reads the terms and the berth types; a failure is for the caller to tell.
    Status load();

    QTableWidget* grdTerms;
    QTableWidget* grdPrices;

private:
    std::optional<TermTable> readGrids();
    void addTerm();
    void addPrice();
    void removeRow(QTableWidget* grid);
    void save();
    bool refuse(QTableWidget* grid, int row, int column, const QString& text);

    Services& m_services;
    TermTable m_loaded;
    QList<Sql::LookupItem> m_types;
    qint64 m_nextNew = -1; // a new term's id until the save gives it its own
};
