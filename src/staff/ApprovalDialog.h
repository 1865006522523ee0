#pragma once

#include "staff/Roles.h"

struct Services;
class QWidget;

/// The one check before a guarded action: asked before anything is done, so nothing is half-done.
namespace Permission {

/// Whether the one acting now may do action: at once when the role may; otherwise the refusal names who may and
/// offers "Ask a manager...", whose approval lets the action go ahead this once. False when refused or cancelled.
bool askOrApprove(const Services& services, QWidget* parent, Action action);

} // namespace Permission
