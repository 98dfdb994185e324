#pragma once

#include <QImage>
#include <QWidget>

class CRecordedGame;

// The minimap at the top of the detail pane: the game's terrain drawn as a
// diamond, or an empty button-face area for scenarios and a cleared pane.
class CMinimapView : public QWidget
{
    Q_OBJECT
public:
    explicit CMinimapView(QWidget *parent = nullptr);

    // Draws the game's terrain once; the widget keeps only the picture.
    void ShowGame(const CRecordedGame &game);
    void Clear();
    bool HasTerrain() const { return !m_picture.isNull(); }
    QImage Picture() const { return m_picture; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
