#include "explorer/RowSorting.h"

#include <algorithm>
#include <cstdlib>

namespace RowSorting {

namespace {

template <typename T> int compareValues(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareColumn(const CGameRow &a, const CGameRow &b, int column)
{
    switch (column) {
    case GameColumn::View:
        return a.viewName.compare(b.viewName);
    case GameColumn::Map:
        return a.mapName.compare(b.mapName);
    case GameColumn::Players:
        return compareValues(a.players, b.players);
    case GameColumn::Duration:
        return compareValues(a.duration, b.duration);
    case GameColumn::Date:
        return compareValues(a.date, b.date);
    default:
        return a.fileName.compare(b.fileName);
    }
}

} // namespace

int CompareRows(const CGameRow &a, const CGameRow &b, int sortKey)
{
    if (a.isFile != b.isFile)
        return a.isFile ? 1 : -1;
    if (!a.isFile && a.IsParent() != b.IsParent())
        return a.IsParent() ? -1 : 1;

    const int column = std::abs(sortKey);
    const bool descending = sortKey < 0 && column >= GameColumn::Name && column <= GameColumn::Date;
    if (a.isFile && column >= GameColumn::View && column <= GameColumn::Duration) {
        if (a.IsKnown() != b.IsKnown())
            return a.IsKnown() ? -1 : 1;
        if (!a.IsKnown())
            return 0;
    }
    int result = compareColumn(a, b, column);
    if (result != 0)
        return descending ? -result : result;
    return a.fileName.compare(b.fileName);
}

void SortRows(QList<CGameRow> &rows, int sortKey)
{
    std::stable_sort(rows.begin(), rows.end(),
        [sortKey](const CGameRow &a, const CGameRow &b) { return CompareRows(a, b, sortKey) < 0; });
}

int NextSortKey(int currentKey, int column)
{
    return std::abs(currentKey) == column ? -currentKey : column;
}

} // namespace RowSorting
