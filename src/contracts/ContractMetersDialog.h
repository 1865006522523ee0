#pragma once

#include "contracts/ContractMeters.h"

#include <QDialog>

struct Services;
class DateBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// "Bill meters...": the contracts' meters over a chosen period, a dry run listing every meter's bill (or why it has
/// none) first, then, once asked, each contract's invoice of its meters issued.
class ContractMetersDialog final : public QDialog
{
    Q_OBJECT
public:
    ContractMetersDialog(Services& services, QWidget* parent = nullptr);
    /// The contracts list's "Bill meters..." button.
    static QPushButton* opener(Services& services, QWidget* parent);

    /// Lists what billing the period in the boxes would do; a failure is told.
    void dryRun();
    /// Asks, naming the money, then bills the period that was run dry.
    void bill();

private:
    void fill(const ContractMeters::Run& run, bool billed);

    Services& m_services;
    DateBox* dtpFrom;
    DateBox* dtpTo;
    QTableWidget* grdLines;
    QLabel* lblTotal;
    QPushButton* cmdBill;
    std::optional<ContractMeters::Run> m_dry;
};
