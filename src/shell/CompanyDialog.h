#pragma once

#include "shell/CompanyStore.h"

#include <QDialog>
#include <QList>
#include <memory>
#include <optional>

struct Services;
class DataControl;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableWidget;
class QWidget;

/// "Setup Company Information": the business's own details printed on receipts and booking forms, and the taxes
/// charged on bookings, edited on a connection of the window's own.
class CompanyDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit CompanyDialog(Services& services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CompanyDialog)

    /// Shows the window modally.
    static void display(Services& services, QWidget* parent);

private:
    void openCompany();
    void moveTo(int row);
    void onUpdate();
    void onRefresh();
    void loadDetails();
    CompanyStore::Rows shownDetails() const;
    void showDetails(int id, const QStringList& values);
    void loadTaxes();
    void showTaxes(const QList<Pricing::TaxRate>& taxes);
    void addTaxRow(const QString& name, const QString& percent, const QString& from);
    void removeTaxRow();
    std::optional<QList<Pricing::TaxRate>> typedTaxes();
    void loadTerms();
    void showTerms(const PaymentTerms& terms);
    std::optional<PaymentTerms> typedTerms();
    void tellTaxes(const Failure& failure);
    void showDataError(const QString& description);

    Services& m_services;
    DataControl* m_data; // the own connection, the model, the mapper and the record bar ("Record: n" is datPrimaryRS)
    QList<QWidget*> m_txtFields;           // CompanyID, then the eleven detail columns
    std::unique_ptr<CompanyStore> m_store; // on the window's own connection; nothing when it did not open
    QGroupBox* m_fraTaxes;
    QTableWidget* m_grdTaxes; // Name | Rate % | From, as typed
    bool m_taxesRead = false; // taxes that could not be read are not saved
    QGroupBox* m_fraPayments;
    QComboBox* m_cboDeposit; // as PaymentTerms::Deposit numbers them
    QLineEdit* m_txtDepositAmount;
    QLineEdit* m_txtDepositPercent;
    QLineEdit* m_txtDepositMinimum;
    QLineEdit* m_txtBalanceDays;
    bool m_termsRead = false;
};
