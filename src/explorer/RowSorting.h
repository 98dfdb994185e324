#pragma once

#include "explorer/GameRow.h"

#include <QList>

// Every sorting rule of the game list, in one place:
//  1. folders before files, and ".." before every other folder, whatever
//     the direction;
//  2. by View, Map, Players or Duration, recordings known to the catalogue
//     before the others, whatever the direction; two unknown files are equal;
//  3. otherwise by the column (names in character order, numbers, dates),
//     in the key's direction, and by name ascending when the column ties.
namespace RowSorting {

// <0 when a sorts before b for the sort key (column 1..6, negative for
// descending; 0 or any other value: by name ascending, the order of a
// list that has no sort column yet).
int CompareRows(const CGameRow &a, const CGameRow &b, int sortKey);

// A stable sort with CompareRows.
void SortRows(QList<CGameRow> &rows, int sortKey);

// The key after a click on column: the same column reverses the direction,
// another one sorts ascending by it.
int NextSortKey(int currentKey, int column);

} // namespace RowSorting
