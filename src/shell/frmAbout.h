#pragma once

#include <QDialog>

struct Services;
class QLabel;

/// "About": the product, its version and a way to the platform's system information.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(Services& services, QWidget* parent = nullptr);

    /// Fills the labels and shows the window modally.
    static void Display(Services& services, QWidget* parent);

    /// The platform's system-information program, or an empty text where there is none.
    static QString SystemInfoProgram();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PlaceVersion();
    void OnSystemInfo();

    Services& m_services;
    QLabel* m_lblCompanyProduct;
    QLabel* m_lblVersion;
};
