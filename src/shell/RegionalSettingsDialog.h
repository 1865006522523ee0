#pragma once

#include <QDialog>
#include <QString>

struct Services;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimeEdit;

/// "Regional Settings": the postal-code label, the currency symbol, the default check-in and check-out times,
/// the office's closing time, whether bookings record the numbers of adults and children, and the interface's
/// language (applied at the next start).
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
    QString m_storedSymbol; // as loaded, before "0" is shown as the symbol it stands for
    QComboBox* m_cboPostCode;
    QLineEdit* m_txtCurrencySymbol;
    QTimeEdit* m_dtpCheckInTime;
    QTimeEdit* m_dtpCheckOutTime;
    QTimeEdit* m_dtpClosingTime;
    QCheckBox* m_chkShowKidsAdults;
    QComboBox* m_cboDateStyle;
    QComboBox* m_cboLengthUnit;
    QComboBox* m_cboLanguage;
    QLabel* m_lblLanguageNote;
};
