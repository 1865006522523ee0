#pragma once

#include <QDialog>
#include <QList>

struct Services;
class DataControl;
class QWidget;

/// "Setup Company Information": the business's own details printed on receipts and booking forms, edited on a
/// connection of the window's own.
class fmCompany final : public QDialog
{
    Q_OBJECT
public:
    explicit fmCompany(Services& services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(fmCompany)

    /// Shows the window modally.
    static void Display(Services& services, QWidget* parent);

private:
    void Open();
    void MoveTo(int row);
    void OnUpdate();
    void OnRefresh();
    void ShowDataError(const QString& description);

    Services& m_services;
    DataControl* m_data; // the own connection, the model, the mapper and the record bar ("Record: n" is datPrimaryRS)
    QList<QWidget*> m_txtFields; // CompanyID, then the eleven detail columns
};
