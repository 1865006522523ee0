#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

class QDataWidgetMapper;
class QLabel;
class QPushButton;
class QSqlTableModel;
class QWidget;
struct Services;

/// The data control of a record window (company details, berth table editor): a table model on a connection of
/// the window's own, so what it saves is stored at once whatever the shared connection has pending; a widget
/// mapper over the model; and the record bar |< < "Record: n" > >|. The mapper and the model go before their
/// connection does.
class DataControl final : public QObject
{
    Q_OBJECT
public:
    /// Builds the record bar as a child of window. barName names the bar's widget and captionName the "Record: n"
    /// label (each window keeps its own control names); the buttons are cmdFirst, cmdPrevious, cmdNext, cmdLast.
    DataControl(QWidget* window, const QString& barName, const QString& captionName);
    ~DataControl() override;
    Q_DISABLE_COPY_MOVE(DataControl)

    /// Opens the window's connection on the database the services' connection is open on and selects table,
    /// ordered by sortColumn when one is given (rows are fetched as they are needed). A failure with the reason;
    /// nothing stays open then.
    Status open(const Services& services, const QString& table, const QString& sortColumn = {});

    /// Nothing before a successful Open.
    QSqlTableModel* model() const { return m_model; }
    QDataWidgetMapper* mapper() const { return m_mapper; }
    QWidget* bar() const { return m_bar; }
    QLabel* caption() const { return m_caption; }

    /// The current row, 0-based; -1 when there is none.
    int currentRow() const;
    /// Fetches every row of the table, so the last one is known.
    void fetchAll();
    /// Shows the position as the bar's caption: "Record: n", with n = row + 1.
    void showPosition(int row);

signals:
    /// A button of the bar asks for this row: 0, one back (not below 0), one on, or the last row.
    void moveRequested(int row);

private:
    QString m_connectionName;
    QWidget* m_bar;
    QLabel* m_caption;
    QSqlTableModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
};
