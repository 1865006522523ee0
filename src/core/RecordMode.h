#pragma once

/// What a record window is opened for: a new record (Add, the old Mode 1) or a stored one (Edit, Mode 2). The
/// booking wizard and the customer and owner dialogs share it.
enum class RecordMode
{
    Add = 1,
    Edit = 2
};
