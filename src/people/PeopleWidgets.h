#pragma once

#include <QLabel>

struct Services;
class QGridLayout;
class QLineEdit;

/// A label that acts as a link ("Email" beside an e-mail address).
class ClickableLabel final : public QLabel
{
    Q_OBJECT
public:
    ClickableLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

/// Small pieces the record dialogs and the search share.
namespace PeopleWidgets {

/// A one-line box named name that takes at most maxLength characters (0: no limit), with its caption on the
/// left in the given row of layout.
QLineEdit* AddTextBox(QGridLayout* layout, int row, const QString& name, const QString& caption, int maxLength,
                      int column = 0);

/// Puts a stored text into a box without cutting it: a value longer than the box's limit (written by another
/// program) widens the limit to its length, so saving never loses what is there.
void SetText(QLineEdit* box, const QString& text, int maxLength);

/// Starts a new message to address in the user's mail program (busy cursor meanwhile), and says so when none
/// could be started.
void SendEmail(Services& services, const QString& address, const QString& title);

} // namespace PeopleWidgets
