#pragma once

#include <QIcon>
#include <QStringList>
#include <QStyle>

// A freedesktop icon by name: from the desktop's icon theme; else the
// symbolic picture the Adwaita theme ships as PNG files (Qt cannot read the
// theme's SVG originals without its SVG module); else a picture of the
// widget style, so a command never shows without an icon.
QIcon ThemeIcon(const QStringList &names, QStyle::StandardPixmap fallback, bool symbolic = true);

// A full-colour icon by name: from the desktop's icon theme; else the
// Adwaita theme's coloured PNG files; else a picture of the widget style.
// For rows whose kind the style has no picture for (archives).
QIcon ColourThemeIcon(const QStringList &names, QStyle::StandardPixmap fallback);
