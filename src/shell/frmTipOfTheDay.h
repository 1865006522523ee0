#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

/// "Tip of the Day": one line of the tips file at a time, remembering where it stopped.
class frmTipOfTheDay final : public QDialog
{
    Q_OBJECT
public:
    explicit frmTipOfTheDay(QWidget* parent = nullptr);

    /// Shows the next tip modally; when there is no tip to show, nothing opens.
    static void Dispaly(QWidget* parent);
    /// The same without waiting (start-up when it must not block): the window is opened with open() and deletes
    /// itself when closed. Nothing when there was no tip to show.
    static frmTipOfTheDay* Open(QWidget* parent);

    /// Puts the next tip into the box; false (the window should close) when there is none.
    bool ShowNextTip();

private:
    static frmTipOfTheDay* Create(QWidget* parent);
    void OnNextTip();
    void OnOK();

    QPlainTextEdit* m_txtTip;
    QCheckBox* m_chkShowTipsAtStartup;
};
