#pragma once

#include "people/PickerChoices.h"

#include <QComboBox>

struct Services;
class QCompleter;
class QStandardItemModel;

/// A list of many names to choose one from (customers, boats): typing any part of a name narrows the list shown
/// under the box, and nothing is chosen until the clerk picks an entry (the arrows and Enter, or a click). While
/// the clerk types, the box has no current entry (currentIndex -1), so a half-typed name never stands for the
/// first name that starts with it. Alt+Down or F4 shows every entry.
class NamePicker final : public QComboBox
{
    Q_OBJECT
public:
    NamePicker(Services& services, QWidget* parent = nullptr);

    /// The entries fixed at the top ("(no boat)"), then choices; none chosen.
    void setChoices(const PickerChoices& choices, const QList<PickerChoices::Choice>& fixed = {});
    /// The entries left for what is typed, as the list under the box shows them.
    QStringList shownTexts() const;

signals:
    /// The clerk picked an entry from the narrowed list.
    void picked(int id);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void typed(const QString& text);
    void narrow(const QString& text);
    void choose(int id);

    Services& m_services;
    PickerChoices m_choices;
    QCompleter* m_completer;
    QStandardItemModel* m_shown;
};
