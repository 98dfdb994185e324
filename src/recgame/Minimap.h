#pragma once

#include <QtGlobal>

#include <cstdint>
#include <vector>

class CRecordedGame;

// The minimap of the detail pane: the terrain drawn as a diamond. Pixels are
// 0xAARRGGBB values, rows pixelsPerLine apart: the layout of a 32-bit ARGB
// image, so the window draws straight into its own image and the core needs
// no graphics library.
namespace Minimap {

inline constexpr int kWidth = 224;
inline constexpr int kHeight = 112;

// Opaque colour of a terrain id; ids the table does not hold draw black.
std::uint32_t TerrainColour(int terrainId);

// Draws the game's terrain onto the picture (pixels whose tile lies outside
// the map keep their colour). Nothing is drawn for a scenario or an empty map.
void Draw(const CRecordedGame &game, std::uint32_t *pixels, int width, int height, qsizetype pixelsPerLine);

// A kWidth x kHeight picture on the given background.
struct Picture
{
    int width = kWidth;
    int height = kHeight;
    std::vector<std::uint32_t> pixels;
};
Picture Render(const CRecordedGame &game, std::uint32_t background);

} // namespace Minimap
