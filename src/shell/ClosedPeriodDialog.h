#pragma once

#include <QDialog>

struct Services;
class QComboBox;
class QPushButton;
class QTreeWidget;

/// "Closed Months": the months closed and reopened, latest first, with who did it, where and when; a manager closes
/// the month chosen, an administrator reopens it. The buttons follow ClosedPeriods::allowed.
class ClosedPeriodDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit ClosedPeriodDialog(Services& services, QWidget* parent = nullptr);
    static void display(Services& services, QWidget* parent);
    /// Reads the record again into the list; false (the user told) when it cannot be read.
    bool load();

private:
    void act(bool close);

    Services& m_services;
    QComboBox* m_cboMonth;
    QTreeWidget* m_lstRecord;
    QPushButton* m_cmdClose;
    QPushButton* m_cmdReopen;
};
