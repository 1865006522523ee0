#pragma once

#include <QWidget>

class QLabel;
class QTimer;

/// The small window shown while the database is compacted: "Operation in progress" with cycling dots.
class frmCompact final : public QWidget
{
    Q_OBJECT
public:
    explicit frmCompact(QWidget* parent = nullptr);
    ~frmCompact() override;

    /// Shows the window with the hourglass and lets it paint before the work blocks the thread.
    void Execute();
    /// Removes the window and the hourglass.
    void Destroy();

private:
    void Tick();

    QLabel* m_lblInfo;
    QTimer* m_timer;
    int m_dots = 1;
    bool m_busyCursor = false;
};
