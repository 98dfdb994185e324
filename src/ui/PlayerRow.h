#pragma once

#include "shell/GameDetails.h"

#include <QWidget>

class QLabel;

// One player of a team box: civilization badge in the player's colour, the
// country flag, the name and the civilization line; its tooltip shows the
// first-to marks and the three age times.
class CPlayerRow : public QWidget
{
    Q_OBJECT
public:
    explicit CPlayerRow(QWidget *parent = nullptr);

    void Show(const CGameDetails::PlayerLine &player);
    QString Name() const;
    QString Line() const;

    // The rich-text tooltip built from a player's tooltip text: its first
    // line carries flag, marks and colour as numbers and is drawn, not shown.
    static QString TooltipHtml(const CGameDetails::PlayerLine &player);

private:
    QLabel *m_badge;
    QLabel *m_flag;
    QLabel *m_name;
    QLabel *m_line;
};
