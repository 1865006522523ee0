#pragma once

#include "core/FieldChanges.h"

class IMessageBox;

/// What the person chose when a save found the record changed at another desk meanwhile.
enum class Meanwhile
{
    KeepMine,   // save what this person typed over theirs, checked again
    TakeTheirs, // show (or close on) what the other desk stored
    GoBack      // keep editing; what the other desk stored has been seen
};

/// The one question every window asks then (FieldChanges::question under title), through the message seam.
Meanwhile askAboutChanges(IMessageBox& messages, const QString& title, const QString& what,
                          const QList<FieldChange>& changes);
