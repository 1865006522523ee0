#pragma once

#include <QLabel>

/// A line in a window that says its rows could not be read, and why, so an empty list always means no rows.
/// Hidden while the last read succeeded.
class ReadErrorLine final : public QLabel
{
    Q_OBJECT
public:
    explicit ReadErrorLine(QWidget* parent = nullptr);

    /// Shows "The rows could not be read: <reason>" (an empty reason hides the line).
    void showError(const QString& reason);
    void clearError() { showError(QString()); }
};
