#pragma once

#include "contracts/AwayPeriods.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <utility>

struct Services;
class DateBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

/// A holder's absences on one contract: the list, and a first day away and a day back to add, change the chosen one
/// to, or remove it. Each is saved at once, with its refusal told as it comes.
class AwayDialog final : public QDialog
{
    Q_OBJECT
public:
    AwayDialog(Services& services, int contractId, const QString& title, QWidget* parent = nullptr);

    /// The "Away..." button of a list: opens the dialog on the contract chosen() gives (its ID and holder), if any.
    static QPushButton* opener(Services& services, std::function<std::optional<std::pair<int, QString>>()> chosen,
                               QWidget* parent);

    /// Reads the contract's absences; a failure is for the caller to tell.
    Status load();

private:
    void chosen();
    void save(bool change);
    void remove();

    Services& m_services;
    int m_contractId;
    QList<AwayPeriods::Away> m_away;
    QTableWidget* grdAway;
    DateBox* dtpAway;
    DateBox* dtpBack;
    QLineEdit* txtNote;
};
