#include "recgame/Minimap.h"

#include "recgame/RecordedGame.h"

#include <cmath>

namespace Minimap {

QColor TerrainColour(int id)
{
    switch (id) {
    case 0: case 5: case 9: case 12: case 16:
        return QColor(51, 153, 39);
    case 1: case 15: case 28:
        return QColor(48, 93, 182);
    case 2: case 14:
        return QColor(232, 180, 120);
    case 3: case 6: case 11: case 24: case 25: case 27: case 40:
        return QColor(228, 162, 82);
    case 4:
        return QColor(84, 146, 176);
    case 7: case 8: case 29: case 30: case 31:
        return QColor(130, 136, 77);
    case 10: case 13: case 17: case 18: case 19: case 20: case 21:
        return QColor(21, 118, 21);
    case 22: case 23:
        return QColor(0, 74, 187);
    case 26:
        return QColor(255, 236, 73);
    case 32: case 33: case 34: case 36: case 38: case 39:
        return QColor(200, 216, 255);
    case 35: case 37:
        return QColor(152, 192, 240);
    default:
        return QColor(0, 0, 0);
    }
}

void Draw(const CRecordedGame &game, QImage &image)
{
    const int w = game.mapWidth;
    const int h = game.mapHeight;
    if (game.gameType == CRecordedGame::kGameTypeScenario || w <= 0 || h <= 0)
        return;
    QRgb palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = TerrainColour(i).rgb();
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
            if (index < 0 || index >= CRecordedGame::kTerrainSize || !image.valid(px, py))
                continue;
            image.setPixel(px, py, palette[game.terrain[size_t(index)]]);
        }
    }
}

QImage Render(const CRecordedGame &game, const QColor &background)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(background);
    Draw(game, image);
    return image;
}

} // namespace Minimap
