#include "people/frmAddOwner.h"

frmAddOwner::frmAddOwner(Services& services, QWidget* parent)
    : PersonDialog(services, parent, QStringLiteral("frmAddOwner"), QStringLiteral("Add Owner"),
                   QStringLiteral("Edit Owner"))
{
}

void frmAddOwner::Saved()
{
    if (Mode() == RecordMode::Edit) {
        accept();
        return;
    }
    // Ready for the next owner.
    Show(OwnerRecord());
    Form().First()->setFocus();
}
