#pragma once

#include <QDialog>

struct Services;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimeEdit;

/// "Regional Settings": the postal-code label, the currency symbol, the default check-in and check-out times
/// and whether bookings record the numbers of adults and children.
class RegionalSettingsDialog final : public QDialog
{
    Q_OBJECT
public:
    /// Builds the window with the stored values loaded.
    explicit RegionalSettingsDialog(Services& services, QWidget* parent = nullptr);

    /// Loads the values and shows the window modally.
    static void showModal(Services& services, QWidget* parent);

private:
    void load();
    void onOk();

    Services& m_services;
    QComboBox* m_cboPostCode;
    QLineEdit* m_txtCurrencySymbol;
    QTimeEdit* m_dtpCheckInTime;
    QTimeEdit* m_dtpCheckOutTime;
    QCheckBox* m_chkShowKidsAdults;
};
