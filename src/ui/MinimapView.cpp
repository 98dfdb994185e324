#include "ui/MinimapView.h"

#include "recgame/Minimap.h"
#include "recgame/RecordedGame.h"

#include <QPainter>

CMinimapView::CMinimapView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
}

QSize CMinimapView::sizeHint() const
{
    return QSize(Minimap::kWidth, Minimap::kHeight);
}

void CMinimapView::ShowGame(const CRecordedGame &game)
{
    if (game.gameType == CRecordedGame::kGameTypeScenario || game.mapWidth <= 0 || game.mapHeight <= 0) {
        Clear();
        return;
    }
    // Transparent where no tile lies, so the diamond sits on the pane itself.
    QImage image(Minimap::kWidth, Minimap::kHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Minimap::Draw(game, reinterpret_cast<std::uint32_t *>(image.bits()), image.width(), image.height(),
                  image.bytesPerLine() / 4);
    m_picture = image;
    update();
}

void CMinimapView::Clear()
{
    m_picture = QImage();
    update();
}

void CMinimapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), palette().button());
        return;
    }
    painter.drawImage(QPoint(0, 0), m_picture);
}
