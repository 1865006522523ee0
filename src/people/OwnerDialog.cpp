#include "people/OwnerDialog.h"

OwnerDialog::OwnerDialog(Services& services, QWidget* parent)
    : PersonDialog(services, parent, QStringLiteral("frmAddOwner"), tr("Add Owner"), tr("Edit Owner"))
{
}

void OwnerDialog::saved()
{
    if (mode() == RecordMode::Edit) {
        accept();
        return;
    }
    // Ready for the next owner.
    showRecord(OwnerRecord());
    form().first()->setFocus();
}
