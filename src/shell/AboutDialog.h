#pragma once

#include <QDialog>

struct Services;
class QLabel;

/// "About": the product, its version and a way to the platform's system information.
class AboutDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(Services& services, QWidget* parent = nullptr);

    /// Fills the labels and shows the window modally.
    static void display(Services& services, QWidget* parent);

    /// The platform's system-information program, or an empty text where there is none.
    static QString systemInfoProgram();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeVersion();
    void onSystemInfo();

    Services& m_services;
    QLabel* m_lblCompanyProduct;
    QLabel* m_lblVersion;
};
