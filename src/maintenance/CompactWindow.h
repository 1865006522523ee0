#pragma once

#include <QWidget>

class QLabel;
class QTimer;

/// The small window shown while the database is compacted: "Operation in progress" with cycling dots.
class CompactWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit CompactWindow(QWidget* parent = nullptr);
    ~CompactWindow() override;

    /// Shows the window with the hourglass and lets it paint before the work blocks the thread.
    void execute();
    /// Removes the window and the hourglass.
    void closeWindow();

private:
    void tick();

    QLabel* m_lblInfo;
    QTimer* m_timer;
    int m_dots = 1;
    bool m_busyCursor = false;
};
