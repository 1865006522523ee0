#pragma once

/// Where the cursor of a list or grid goes, decided without the view.
namespace ListCursor {

/// Where a list stands after its row deletedRow went: the same position, or the new last row, or -1 when empty.
constexpr int rowAfterDelete(int deletedRow, int rowCountAfter)
{
    if (rowCountAfter <= 0)
        return -1;
    return deletedRow < rowCountAfter ? deletedRow : rowCountAfter - 1;
}

} // namespace ListCursor
