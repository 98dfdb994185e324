#pragma once

#include <QColor>
#include <QImage>

class CRecordedGame;

// The minimap of the detail pane: the terrain drawn as a diamond.
namespace Minimap {

inline constexpr int kWidth = 224;
inline constexpr int kHeight = 112;

// Colour of a terrain id; ids the table does not hold draw black.
QColor TerrainColour(int terrainId);

// Draws the game's terrain onto image (pixels whose tile lies outside the map
// keep their colour). Nothing is drawn for a scenario or an empty map.
void Draw(const CRecordedGame &game, QImage &image);

// A kWidth x kHeight picture on the given background.
QImage Render(const CRecordedGame &game, const QColor &background);

} // namespace Minimap
