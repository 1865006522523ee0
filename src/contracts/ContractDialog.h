#pragma once

#include "contracts/ContractStore.h"
#include "rates/TermRates.h"

#include <QDialog>

struct Services;
class DateBox;
class NamePicker;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

/// A new contract, or one changed: the holder and the boat picked by name, the berth, the term or the days, the price
/// the rates propose (the clerk may change it) with its tax, and the plan: in full, two, four, twelve, or dates and
/// amounts typed into the plan's rows.
class ContractDialog final : public QDialog
{
    Q_OBJECT
public:
    ContractDialog(Services& services, QWidget* parent = nullptr);

    /// Reads the lists the boxes offer; a failure is for the caller to tell.
    Status load();
    /// Fills the boxes from a stored contract to change it: the holder stays, the instalments invoiced are kept
    /// and shown apart, the rest listed as typed. A failure is for the caller to tell.
    Status edit(int contractId);
    /// The contract's ID once saved.
    int savedId() const { return m_savedId; }

private:
    void loadBoats();
    void termChosen();
    void propose();
    void refigure();
    void fillPlan();
    std::optional<ContractRecord> typed();
    void show(const ContractRecord& contract);
    Money invoiced() const;
    void save();
    void saveChange(const ContractRecord& mine);

    Services& m_services;
    TermTable m_terms;
    NamePicker* cboCustomer;
    NamePicker* cboBoat;
    QComboBox* cboBerth;
    QComboBox* cboTerm;
    DateBox* dtpFirst;
    DateBox* dtpLast;
    QLineEdit* txtPrice;
    QLabel* lblCharges;
    QComboBox* cboPlan;
    QTableWidget* grdPlan;
    QPlainTextEdit* txtNotes;
    QLabel* lblInvoiced;
    std::optional<ContractRecord> m_loaded; // the contract as read, when changing one
    Money m_total;
    int m_savedId = 0;
};
