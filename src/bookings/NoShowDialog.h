#pragma once

#include "bookings/CheckIn.h"

#include <QDialog>
#include <QList>

class QListWidget;

/// "No-shows": the guests due today who have not been checked in, each with a check box; those ticked are the
/// ones the person confirms as no-shows. Those whose arrival time has passed come ticked, the rest not.
class NoShowDialog final : public QDialog
{
    Q_OBJECT
public:
    NoShowDialog(const QList<CheckIn::Candidate>& candidates, QWidget* parent = nullptr);

    /// The bookings ticked.
    QList<int> chosen() const;

private:
    void tickAll(bool on);

    QListWidget* m_lstNoShows;
};
