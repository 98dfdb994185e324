#include "ui/CivBadge.h"

#include "app/StringTable.h"
#include "recgame/RecordedGame.h"

#include <QPainter>

namespace CivBadge {

QColor PlayerColour(int colour)
{
    static const QColor colours[8] = {
        QColor(0, 0, 255),
        QColor(255, 0, 0),
        QColor(0, 255, 0),
        QColor(255, 255, 0),
        QColor(0, 255, 255),
        QColor(255, 0, 255),
        QColor(67, 67, 67),
        QColor(255, 130, 1),
    };
    return colours[(colour >= 0 && colour < 8) ? colour : 6];
}

QString Initials(int civilization)
{
    const int id = CRecordedGame::CivilizationStringId(civilization);
    // The English names keep badges alike in every language.
    return id ? SourceString(id).left(2) : QString();
}

QPixmap Render(int civilization, int colour, int size)
{
    const QString text = Initials(civilization);
    if (text.isEmpty())
        return QPixmap();
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = PlayerColour(colour);
    painter.setBrush(fill);
    painter.setPen(QPen(fill.darker(160), 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 4, 4);
    // Dark text on the bright colours (yellow, cyan, green, orange), light on
    // the rest: perceived brightness, not HSL lightness, which rates pure
    // yellow as dark as pure blue.
    const int brightness = (299 * fill.red() + 587 * fill.green() + 114 * fill.blue()) / 1000;
    painter.setPen(brightness > 140 ? Qt::black : Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 9 / 20);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace CivBadge
