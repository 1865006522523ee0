#pragma once

#include <QDialog>

struct Services;
class QPlainTextEdit;
class QLabel;

/// Shows any trace file read-only ("View trace log").
class EventLogViewer final : public QDialog
{
    Q_OBJECT
public:
    explicit EventLogViewer(QWidget* parent = nullptr);

    /// Asks for a trace file and shows it modally; a cancelled dialog or an unreadable file shows nothing.
    static void display(Services& services, QWidget* parent);
    /// Reads a file into the window; false when it cannot be read.
    bool load(const QString& path);

private:
    QPlainTextEdit* m_txtEvent;
    QLabel* m_lblTruncated;
};
