#pragma once

#include <QColor>
#include <QPixmap>

// The civilization icon of a player row: a rounded badge in the player's
// colour carrying the civilization's initials.
namespace CivBadge {

// The eight player colours of the game, by colour id 0..7.
QColor PlayerColour(int colour);

// Initials of a known civilization id ("Fr" for Franks), "" otherwise.
QString Initials(int civilization);

// A size x size badge; a null pixmap for unknown civilization ids.
QPixmap Render(int civilization, int colour, int size = 22);

} // namespace CivBadge
