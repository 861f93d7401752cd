#pragma once
// Columns of a tab's grid as wide as their texts, and the grid at least as wide as its columns,
// so that no cell or caption is cut and no column hides behind the grid's edge.
namespace platform {
class FlexGrid;
}

namespace trview {

void fitColumnsToTexts(platform::FlexGrid* grid);

} // namespace trview
