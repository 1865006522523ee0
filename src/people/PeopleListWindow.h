#pragma once

#include "core/RecordMode.h"
#include "core/Removal.h"
#include "core/ui/ChildWindow.h"
#include "people/PeopleListModel.h"

struct Services;
class QPushButton;
class ReadErrorLine;
class QTableView;

/// What the customer and owner lists share: a titled frame with a grid over one table and the buttons to add,
/// view or edit, and delete the row under the grid's cursor. The subclasses name the controls and open their
/// record dialog.
class PeopleListWindow : public ChildWindow
{
    Q_OBJECT
public:
    bool maximiseOnActivate() const override { return true; }
    /// A list shows the table as it is whenever it comes to the front.
    void activated() override { requeryRst(); }
    /// The list's statement reads rows as the grid scrolls, so it stays open on the database until released.
    void releaseData() override;

    /// Reads the table again; the cursor stays on the same position, or the last row when the list got shorter.
    /// A failure leaves the list empty, says so in a line above it and is written to the message log.
    void requeryRst();

    /// The row under the grid's cursor; -1 when the list is empty.
    int currentRow() const;
    PeopleListModel* model() const { return m_model; }
    QTableView* grid() const { return m_grid; }

protected:
    /// The names and captions of the controls, which differ between the two lists.
    struct Controls
    {
        QString window;
        QString title;
        QString grid;
        QString add;
        QString addCaption;
        QString edit;
        QString editCaption;
        QString remove;
        QString removeCaption;
    };

    PeopleListWindow(Services& services, const PeopleListDefinition& definition, const Controls& controls,
                     QWidget* parent);

    /// Opens the list window List in the host's frame, or reads the open one again and brings it to the front:
    /// there is only ever one of each.
    template <typename List, typename... Args> static List* showOnce(IWindowHost& host, Args&&... args)
    {
        auto* window = qobject_cast<List*>(host.findWindow(List::WindowName));
        if (window)
            window->requeryRst();
        else
            window = new List(std::forward<Args>(args)...);
        host.showChild(window);
        return window;
    }

    /// Opens the record dialog modally with (mode, id).
    virtual void openRecord(RecordMode mode, int id) = 0;
    /// The question before deleting the row with what hangs on it, and the delete itself.
    virtual Result<Removal::Question> askRemove(int id) const = 0;
    virtual Status remove(int id, int asked) = 0;
    /// The event written after a delete.
    virtual int deletedEvent() const = 0;

    Services& m_services;

private:
    void addClicked();
    void editClicked();
    void deleteClicked();
    void setCurrentRow(int row);

    PeopleListModel* m_model;
    QTableView* m_grid;
    ReadErrorLine* m_readError;
};
