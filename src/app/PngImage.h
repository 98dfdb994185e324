#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// A PNG writer for pictures drawn in memory, so that the core can save a
// picture without Qt's image classes (and the whole graphics stack they load
// with them).
namespace PngImage {

// The PNG file of a width x height picture whose pixels are 0xAARRGGBB
// values, row after row, pixelsPerLine apart; the alpha byte is left out
// (8-bit RGB). Returns an empty array for sizes a PNG cannot hold.
QByteArray Encode(const std::uint32_t *pixels, int width, int height, qsizetype pixelsPerLine);

// Writes the picture to path; the file is replaced only once the whole
// picture is written. False when it cannot be written.
bool Save(const QString &path, const std::uint32_t *pixels, int width, int height, qsizetype pixelsPerLine);

} // namespace PngImage
