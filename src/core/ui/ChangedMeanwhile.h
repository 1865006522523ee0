#pragma once

#include "core/FieldChanges.h"

class IMessageBox;

/// What the person chose when a save found fields both they and another desk changed.
enum class Meanwhile
{
    KeepTheirs, // the other desk's values in those fields, the rest of this person's changes saved
    KeepMine,   // this person's values over theirs in those fields
    GoBack      // keep editing: the boxes show the merge, with what this person typed in those fields
};

/// The one question every window asks then (FieldChanges::question under title), through the message seam. Its
/// default answer (Yes, also Enter) keeps theirs: nothing another desk saved is overwritten by accident.
Meanwhile askAboutChanges(IMessageBox& messages, const QString& title, const QString& what,
                          const QList<FieldChange>& conflicts);
