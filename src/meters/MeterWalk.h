#pragma once

#include "core/ui/Document.h"
#include "meters/MeterStore.h"

/// The dock walk printed: every meter in service in berth order with its last reading and a box for the new one.
namespace MeterWalk {

Doc::Document document(const QList<MeterStore::WalkLine>& lines, const QDateTime& printed);

} // namespace MeterWalk
