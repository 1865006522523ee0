#pragma once

#include <QDialog>

struct Services;
class QPlainTextEdit;
class QLabel;

/// Shows any trace file read-only ("View trace log").
class frmViewEventLog final : public QDialog
{
    Q_OBJECT
public:
    explicit frmViewEventLog(QWidget* parent = nullptr);

    /// Asks for a trace file and shows it modally; a cancelled dialog or an unreadable file shows nothing.
    static void Display(Services& services, QWidget* parent);
    /// Reads a file into the window; false when it cannot be read.
    bool Load(const QString& path);

private:
    QPlainTextEdit* m_txtEvent;
    QLabel* m_lblTruncated;
};
