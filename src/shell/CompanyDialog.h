#pragma once

#include <QDialog>
#include <QList>

struct Services;
class DataControl;
class QWidget;

/// "Setup Company Information": the business's own details printed on receipts and booking forms, edited on a
/// connection of the window's own.
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
    void showDataError(const QString& description);

    Services& m_services;
    DataControl* m_data; // the own connection, the model, the mapper and the record bar ("Record: n" is datPrimaryRS)
    QList<QWidget*> m_txtFields; // CompanyID, then the eleven detail columns
};
