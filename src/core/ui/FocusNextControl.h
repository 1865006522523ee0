#pragma once

#include <QObject>

class QWidget;

/// Enter moves to the next field on data-entry windows, wrapping from the last field to the first.
/// Install once on a window: FocusNextControl::Install(this). Multi-line boxes keep Enter for new lines, and a
/// focused push button keeps Enter for pressing it.
class FocusNextControl final : public QObject
{
    Q_OBJECT
public:
    static void install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusNextControl(QWidget* window);
    QWidget* m_window;
};
