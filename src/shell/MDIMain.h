#pragma once

#include <QMainWindow>

struct Services;
class QMdiArea;

/// The program's one top-level window: a multiple-document frame with the menu bar and the toolbar.
class MDIMain final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MDIMain(Services& services, QWidget* parent = nullptr);

    /// The caption every message of the start-up and the main window is titled with.
    static QString Caption();

    QMdiArea* MdiArea() const { return m_mdiArea; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();

    Services& m_services;
    QMdiArea* m_mdiArea;
    bool m_closed = false;
};
