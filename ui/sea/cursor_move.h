// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a key takes the grid's cursor cell.

namespace kalvenor::ui {

enum class CursorMove { Left, Right, Up, Down, RowStart, RowEnd, ColumnTop, ColumnBottom };

}  // namespace kalvenor::ui
