#pragma once

#include "people/PersonDialog.h"

/// Adds owners of berths or shows and changes one (modal, opened by the owner list). In add mode it stays open
/// after each save, emptied for the next owner; Cancel ends the series.
class OwnerDialog final : public PersonDialog<OwnerRecord>
{
    Q_OBJECT
public:
    explicit OwnerDialog(Services& services, QWidget* parent = nullptr);

private:
    void saved() override;
};
