#pragma once

#include "maintenance/BackupRestore.h"

#include <QWidget>

class IMessageBox;
class ProgressBar;
class QPushButton;

/// The progress window of the backup and the restore: the bar and "&Cancel". It blocks the other windows while
/// it is shown; the codec's callback lets it repaint and take the click.
class BackupWindow final : public QWidget, public IProgress
{
    Q_OBJECT
public:
    explicit BackupWindow(IMessageBox& messages, QWidget* parent = nullptr);

    void startProgress() override;
    void stopProgress() override;
    bool progress(qint64 total, qint64 done) override;

    /// Whether the user asked to cancel and confirmed it; a No clears the request and the work goes on.
    bool checkAbort();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    IMessageBox& m_messages;
    ProgressBar* m_progressBar;
    QPushButton* m_cancel;
    bool m_cancelRequested = false;
    bool m_stopped = true;
};
