#pragma once

#include "shell/GameDetails.h"

#include <QWidget>

class CMinimapView;
class CPlayerRow;
class CRecordedGame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;

// The detail pane beside the game list: minimap, type, map, players,
// duration, platform, the point-of-view player, the rating average, the two
// team boxes and the game chat of one recorded game.
class CExFormView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 300;
    static constexpr int kRowsPerTeam = 4;

    explicit CExFormView(QWidget *parent = nullptr);

    void ShowGame(const CRecordedGame &game);
    void Clear();
    // Clears the pane and says why the recording fileName could not be read.
    void ShowUnreadable(const QString &fileName, const QString &reason);
    // The text of that notice, empty when none is shown.
    QString ProblemText() const;
    bool IsShowingGame() const { return m_showing; }
    // The file name of the game shown, empty when cleared.
    QString ShownFile() const { return m_file; }

    // What the user reads, for tests and the screenshot tool.
    QString FieldText(const QString &field) const; // "type", "map", "players", "duration", "platform", "view", "rating"
    QStringList TeamNames(int team) const; // 0 = Team A, 1 = Team B
    QStringList TeamLines(int team) const;
    bool MinimapHasTerrain() const;
    bool PlatformLogoShown() const;

    // The logo of the Zone and IGZones platforms; null for the others.
    static QPixmap PlatformLogo(int platform, const QString &label);

signals:
    void shown();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitChat();
    QLabel *addField(class QFormLayout *form, const QString &label, const QString &name);
    void fillTeam(int team, const QList<CGameDetails::PlayerLine> &players);

    CMinimapView *m_minimap;
    QLabel *m_problem = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_map = nullptr;
    QLabel *m_players = nullptr;
    QLabel *m_duration = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_spectators = nullptr; // its row shows only for games with spectators
    class QFormLayout *m_form = nullptr;
    QLabel *m_platform = nullptr;
    QLabel *m_platformLogo = nullptr;
    QLabel *m_viewFlag = nullptr;
    QLabel *m_viewName = nullptr;
    QLabel *m_rating = nullptr;
    QGroupBox *m_teamBox[2] = { nullptr, nullptr };
    QList<CPlayerRow *> m_rows[2];
    QPlainTextEdit *m_chat;
    QWidget *m_info = nullptr;
    class QSplitter *m_split = nullptr;
    bool m_userSized = false;
    bool m_showing = false;
    QString m_file;
};
