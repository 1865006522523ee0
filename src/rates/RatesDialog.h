#pragma once

#include "rates/RateStore.h"

#include <QDialog>

struct Services;
class QComboBox;
class QTableWidget;

/// "Rates": the office's seasons, each season's rates by berth type with a berth's own over its type's, and the
/// least length a per-metre rate counts for each type. Saved as one table, and only if no other desk changed it.
class RatesDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit RatesDialog(Services& services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RatesDialog)

    static void display(Services& services, QWidget* parent);

    QTableWidget* grdSeasons;
    QTableWidget* grdRates; // the rates of the season chosen in grdSeasons
    QTableWidget* grdTypes;
    QComboBox* cboBerth;

    void reject() override;

private:
    bool load();
    void fillSeasons();
    void fillTypes();
    void showRatesOf(int seasonRow);
    bool storeShownRates();
    std::optional<RateTable> readGrids();
    void seasonChosen(int row, int previousRow);
    void addSeason();
    void removeSeason();
    void addBerthRate();
    void removeBerthRate();
    void save();
    bool refuseCell(QTableWidget* grid, int row, int column, const QString& text);
    void tell(const Failure& failure);

    Services& m_services;
    RateTable m_loaded;
    RateTable m_edited; // as the grids were when another season was chosen; the shown season's rates in grdRates
    QList<Sql::LookupItem> m_types;
    QList<Sql::LookupItem> m_berths;
    qint64 m_shownSeason = 0;
    qint64 m_nextNewSeason = -1;
};
