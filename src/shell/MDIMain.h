#pragma once

#include "core/ui/ChildWindow.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <functional>
#include <memory>

struct Services;
class cTextBoxEdit;
class QMdiArea;
class QMenu;
class QToolBar;

/// The program's one top-level window: a multiple-document frame with the menu bar and the toolbar. Every
/// function is reached from one of its menu items; the toolbar buttons run menu items. It is the one way the
/// program opens a child window (ShowChild).
class MDIMain final : public QMainWindow, public IWindowHost
{
    Q_OBJECT
public:
    explicit MDIMain(Services& services, QWidget* parent = nullptr);
    ~MDIMain() override;
    Q_DISABLE_COPY_MOVE(MDIMain)

    /// The caption every message of the start-up and the main window is titled with.
    static QString Caption();

    QMdiArea* MdiArea() const { return m_mdiArea; }

    // IWindowHost
    void ShowChild(ChildWindow* window) override;
    ChildWindow* FindChild(const QString& objectName) override;
    void RefreshActiveChild() override;
    QWidget* DialogParent() override { return this; }
    void ReleaseChildData() override;
    void ReloadChildData() override;

    /// Makes the menu item objectName ("mnu...") run handler and enables it; the toolbar buttons that run that
    /// item follow it. An item nobody connects stays disabled.
    void ConnectItem(const QString& objectName, std::function<void()> handler);
    /// A menu item by its objectName; nullptr when there is none.
    QAction* Item(const QString& objectName) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void ConnectWindows();
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    void AddSeparator(QMenu* menu, const QString& name, bool visible = true);
    QAction* AddButton(const QString& name, const QString& caption, const QString& icon, const QString& item);
    void UpdateEditMenu();
    void RunEditAction(int index);
    void OnSubWindowActivated(QMdiSubWindow* window);
    QList<ChildWindow*> OpenChildren() const;
    void SaveLayout() const;
    void RestoreLayout();

    Services& m_services;
    QMdiArea* m_mdiArea;
    QToolBar* m_tbrMain = nullptr;
    QList<QAction*> m_editActions;              // by their index 0..7; 1 and 5 are separators
    std::unique_ptr<cTextBoxEdit> m_editTarget; // none when no text box has the focus
    QPointer<QMdiSubWindow> m_lastActivated;    // the last window whose activation ran
    bool m_closed = false;
};
