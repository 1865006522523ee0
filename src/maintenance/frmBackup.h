#pragma once

#include "maintenance/modSpas.h"

#include <QWidget>

class IMessageBox;
class ctlProgressBar;
class QPushButton;

/// The progress window of the backup and the restore: the bar and "&Cancel". It blocks the other windows while
/// it is shown; the codec's callback lets it repaint and take the click.
class frmBackup final : public QWidget, public IProgress
{
    Q_OBJECT
public:
    explicit frmBackup(IMessageBox& messages, QWidget* parent = nullptr);

    void StartProgress() override;
    void StopProgress() override;
    bool Progress(qint64 total, qint64 done) override;

    /// Whether the user asked to cancel and confirmed it; a No clears the request and the work goes on.
    bool CheckAbort();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    IMessageBox& m_messages;
    ctlProgressBar* m_progressBar;
    QPushButton* m_cancel;
    bool m_cancelRequested = false;
    bool m_stopped = true;
};
