#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlRecord>
#include <array>

struct Services;
class QCheckBox;
class QComboBox;
class DataControl;
class QLineEdit;
class QPushButton;

/// The berth table editor: every stored column of the existing berths, one berth at a time. It works on a
/// connection of its own, so what it saves is stored at once, whatever the berth register does with its own
/// pending changes. Money columns are shown and read as money; empty boxes store nothing (NULL).
class BerthTableEditor final : public QDialog
{
    Q_OBJECT
public:
    /// The members of the txtFields and chkFields arrays, by the column they edit.
    enum TextField
    {
        FieldID,
        FieldName,
        FieldLength,
        FieldWidth,
        FieldNotes,
        FieldDaily,
        FieldMonthly,
        FieldWeekly,
        FieldMaxDraft
    };
    enum CheckField
    {
        FieldHasPower,
        FieldActive,
        FieldTakesMultihulls
    };

    explicit BerthTableEditor(Services& services, QWidget* parent = nullptr);

    /// Whether the editor's connection opened (the user has been told when it did not).
    bool connected() const;
    /// The current row, 0-based in the query's order; -1 when there is none.
    int currentRow() const;

public slots:
    /// Closing saves what was typed into the current berth first; a failure keeps the window open.
    void reject() override;

private:
    bool openTable();
    void buildControls();
    /// Saves the typed changes of the current row; on failure shows the data error and gives false.
    bool saveCurrent();
    /// Saves the current row, then moves to row (clamped); false when the save failed.
    bool moveTo(int row);
    void showRow(int row);
    void saveRecord();
    /// Writes the typed changes of the current row, if no other desk changed the row since it was shown; when one
    /// did, the person is shown what and chooses. Saved; Declined when nothing was written and the person has been
    /// told or asked; Failed with the model's error to show.
    enum class Submit
    {
        Saved,
        Declined,
        Failed
    };
    Submit submitChecked();
    /// Puts the values of record into the shown row, where they differ.
    void putInRow(const QSqlRecord& record);
    void refresh();
    QList<QLineEdit*> numberBoxes() const;

    Services& m_services;
    DataControl* m_data = nullptr; // the own connection, the model, the mapper and the record bar
    bool m_connected = false;      // the connection, the table and the lookup lists were read

    std::array<QLineEdit*, 9> m_txtFields{};
    std::array<QCheckBox*, 3> m_chkFields{};
    QList<QWidget*> m_editors;          // every box bound to a column
    QHash<QString, QString> m_captions; // the boxes' captions, by column in lower case
    QSet<QString> m_moneyColumns;
    QSqlRecord m_shown;                // the current row as shown, before any typing
    QComboBox* m_DataCombo1 = nullptr; // owner
    QComboBox* m_DataCombo2 = nullptr; // berth type
    QPushButton* m_cmdUpdate = nullptr;
    QPushButton* m_cmdRefresh = nullptr;
    QPushButton* m_cmdClose = nullptr;
};
