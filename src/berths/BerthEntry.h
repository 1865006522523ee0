#pragma once

#include "berths/BerthChangeSet.h"

#include <QWidget>

struct Services;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

/// The berth entry shared by the berth register and the configuration wizard: the list of berths, the fields of
/// a new berth with their checks, "&Add" and "&Remove". Every change goes into the window's change set and shows
/// in the list at once.
class BerthEntry final : public QWidget
{
    Q_OBJECT
public:
    BerthEntry(Services& services, BerthChangeSet& changes, BerthListStyle style, QWidget* parent = nullptr);

    /// Reads the berth types, the owners and the berths; false after telling the user what could not be read.
    bool load();
    /// Re-reads the stored berths and shows them with the pending changes; the selection stays on its berth.
    void requery();
    /// The berth selected in the list, if any.
    std::optional<int> selectedId() const;
    /// The row of buttons under the list, where a window adds its own.
    QHBoxLayout* buttonRow() const { return m_buttonRow; }
    /// Tells the user that the database did not answer, titled after the window.
    void showDatabaseError(const QString& what, const QString& error) const;

signals:
    /// The user selected another berth in the list.
    void selectionChanged();

private:
    void add();
    void remove();
    void showRows();
    BerthInput input() const;
    void focus(BerthRefusal::Field field);
    void clearAfterAdd();

    Services& m_services;
    BerthChangeSet& m_changes;
    BerthListStyle m_style;

    QListWidget* m_lstBerth;
    QLineEdit* m_txtName;
    QLineEdit* m_txtLength;
    QLineEdit* m_txtWidth;
    QLineEdit* m_txtMaxDraft;
    QCheckBox* m_chkTakesMultihulls;
    QComboBox* m_cboBerthType;
    QCheckBox* m_chkOwner;
    QComboBox* m_cboOwner;
    QCheckBox* m_chkHasPower;
    QLineEdit* m_txtDailyHireCharge;
    QLineEdit* m_txtWeeklyHireCharge;
    QLineEdit* m_txtMonthlyHireCharge;
    QPlainTextEdit* m_txtNotes;
    QPushButton* m_cmdAdd;
    QPushButton* m_cmdRemove;
    QHBoxLayout* m_buttonRow;
};
