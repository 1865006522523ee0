#pragma once

#include "core/ui/ChildWindow.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <functional>
#include <memory>

struct Services;
class EditActions;
class QMdiArea;
class QMenu;
class QToolBar;

/// The program's one top-level window: a multiple-document frame with the menu bar and the toolbar. Every
/// function is reached from one of its menu items; the toolbar buttons run menu items. It is the one way the
/// program opens a child window (showChild).
class MainWindow final : public QMainWindow, public IWindowHost
{
    Q_OBJECT
public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;
    Q_DISABLE_COPY_MOVE(MainWindow)

    /// The caption every message of the start-up and the main window is titled with.
    static QString caption();

    QMdiArea* mdiArea() const { return m_mdiArea; }

    // IWindowHost
    void showChild(ChildWindow* window) override;
    ChildWindow* findWindow(const QString& objectName) override;
    void refreshActiveChild() override;
    QWidget* dialogParent() override { return this; }
    void releaseChildData() override;
    void reloadChildData() override;
    void berthsReleased(const QList<int>& berthIds, const QDateTime& from, const QDateTime& to) override;

    /// Makes the menu item objectName ("mnu...") run handler and enables it; the toolbar buttons that run that
    /// item follow it. An item nobody connects stays disabled.
    void connectItem(const QString& objectName, std::function<void()> handler);
    /// A menu item by its objectName; nullptr when there is none.
    QAction* menuItem(const QString& objectName) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void connectWindows();
    /// "End of workday": asks, then deletes the old trace folders.
    void endOfWorkday();
    /// Opens a help page ("bookings.html#add"); says so when it cannot.
    void showHelp(const QString& page);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {});
    void addSeparator(QMenu* menu, const QString& name, bool visible = true);
    QAction* addButton(const QString& name, const QString& caption, const QString& icon, const QString& item);
    void updateEditMenu();
    void runEditAction(int index);
    void onSubWindowActivated(QMdiSubWindow* window);
    QList<ChildWindow*> openChildren() const;
    void saveLayout() const;
    void restoreLayout();

    Services& m_services;
    QMdiArea* m_mdiArea;
    QToolBar* m_tbrMain = nullptr;
    QList<QAction*> m_editActions;             // by their index 0..7; 1 and 5 are separators
    std::unique_ptr<EditActions> m_editTarget; // none when no text box has the focus
    QPointer<QMdiSubWindow> m_lastActivated;   // the last window whose activation ran
    bool m_closed = false;
};
