#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

/// "Tip of the Day": one line of the tips file at a time, remembering where it stopped.
class TipOfTheDayDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TipOfTheDayDialog(QWidget* parent = nullptr);

    /// Shows the next tip modally; when there is no tip to show, nothing opens.
    static void showModal(QWidget* parent);
    /// The same without waiting (start-up when it must not block): the window is opened with open() and deletes
    /// itself when closed. Nothing when there was no tip to show.
    static TipOfTheDayDialog* openWithoutWaiting(QWidget* parent);

    /// Puts the next tip into the box; false (the window should close) when there is none.
    bool showNextTip();

private:
    static TipOfTheDayDialog* make(QWidget* parent);
    void onNextTip();
    void onOk();

    QPlainTextEdit* m_txtTip;
    QCheckBox* m_chkShowTipsAtStartup;
};
