#pragma once

#include "core/ui/StepWizard.h"
#include "outputs/WebBookSettings.h"

#include <optional>

class IWindowHost;
class QComboBox;
class QLineEdit;

/// The web booking configuration wizard: the booking e-mail address and the form-mail provider, stored in the
/// Settings table on "&Finish", which then offers to write the booking page.
class WebBookWizard final : public StepWizard
{
    Q_OBJECT
public:
    enum Step
    {
        Welcome,
        Email,
        Provider,
        Finished
    };

    explicit WebBookWizard(Services& services, QWidget* parent = nullptr);

    /// Shows the wizard modally (the toolbar's Web Bookings button and "Configure Web Bookings...").
    static void display(Services& services, IWindowHost* host);

    /// False when the settings could not be read; loadError() says why.
    bool loaded() const { return m_loaded; }
    const QString& loadError() const { return m_loadError; }

private:
    void finish() override;
    WebBookSettings typedSettings() const;

    std::optional<WebBookSettings> m_shown; // the stored values the wizard opened with (nothing: no row)
    bool m_loaded = false;
    QString m_loadError;
    QLineEdit* m_txtWebBookingEmail;
    QComboBox* m_cboProvider;
    QLineEdit* m_txtCustomProvider;
};
