#pragma once

#include <QDialog>
#include <QList>

struct Services;
class QDataWidgetMapper;
class QLabel;
class QPushButton;
class QSqlTableModel;
class QWidget;

/// "Setup Company Information": the business's own details printed on receipts and booking forms, edited on a
/// connection of the window's own.
class fmCompany final : public QDialog
{
    Q_OBJECT
public:
    explicit fmCompany(Services& services, QWidget* parent = nullptr);
    ~fmCompany() override;
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
    QString m_connectionName;
    QSqlTableModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper;
    QList<QWidget*> m_txtFields; // CompanyID, then the eleven detail columns
    QLabel* m_datPrimaryRS;      // "Record: n"
    QList<QPushButton*> m_moves;
};
