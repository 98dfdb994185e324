#include "recgame/Minimap.h"

#include "recgame/RecordedGame.h"

#include <cmath>

namespace Minimap {

namespace {

constexpr std::uint32_t rgb(int r, int g, int b)
{
    return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

} // namespace

std::uint32_t TerrainColour(int id)
{
    switch (id) {
    case 0: case 5: case 9: case 12: case 16:
        return rgb(51, 153, 39);
    case 1: case 15: case 28:
        return rgb(48, 93, 182);
    case 2: case 14:
        return rgb(232, 180, 120);
    case 3: case 6: case 11: case 24: case 25: case 27: case 40:
        return rgb(228, 162, 82);
    case 4:
        return rgb(84, 146, 176);
    case 7: case 8: case 29: case 30: case 31:
        return rgb(130, 136, 77);
    case 10: case 13: case 17: case 18: case 19: case 20: case 21:
        return rgb(21, 118, 21);
    case 22: case 23:
        return rgb(0, 74, 187);
    case 26:
        return rgb(255, 236, 73);
    case 32: case 33: case 34: case 36: case 38: case 39:
        return rgb(200, 216, 255);
    case 35: case 37:
        return rgb(152, 192, 240);
    default:
        return rgb(0, 0, 0);
    }
}

void Draw(const CRecordedGame &game, std::uint32_t *pixels, int width, int height, qsizetype pixelsPerLine)
{
    const int w = game.mapWidth;
    const int h = game.mapHeight;
    if (game.gameType == CRecordedGame::kGameTypeScenario || w <= 0 || h <= 0 || pixels == nullptr
        || pixelsPerLine < width)
        return;
    std::uint32_t palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = TerrainColour(i);
    const double k = w / 120.0;
    const double r = std::cos(M_PI / 4);
    for (int y = 1; y <= 119; ++y) {
        for (int x = 1; x <= 239; ++x) {
            const double u = (x - 120) * k * 0.84;
            const double v = (y - 60) * k * 1.68;
            const double colF = u * r - v * r + w / 2;
            const double rowF = u * r + v * r + w / 2;
            const qint64 col = qint64(std::trunc(colF));
            const qint64 row = qint64(std::trunc(rowF));
            if (col < 0 || row < 0 || col >= w || row >= h)
                continue;
            const qint64 index = row * h + col;
            const int px = x - 16;
            const int py = y - 8;
            if (index < 0 || index >= CRecordedGame::kTerrainSize || px < 0 || py < 0 || px >= width || py >= height)
                continue;
            pixels[pixelsPerLine * py + px] = palette[game.terrain[size_t(index)]];
        }
    }
}

Picture Render(const CRecordedGame &game, std::uint32_t background)
{
    Picture picture;
    picture.pixels.assign(size_t(kWidth) * kHeight, background);
    Draw(game, picture.pixels.data(), picture.width, picture.height, picture.width);
    return picture;
}

} // namespace Minimap
