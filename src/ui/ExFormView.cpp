#include "ui/ExFormView.h"

#include "app/Settings.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"
#include "ui/CountryFlags.h"
#include "ui/MinimapView.h"
#include "ui/PlayerRow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

CExFormView::CExFormView(QWidget *parent)
    : QWidget(parent)
    , m_minimap(new CMinimapView(this))
    , m_chat(new QPlainTextEdit(this))
{
    setMinimumWidth(kWidth);
    // The facts scroll when the pane is short; the chat keeps a part of the
    // height of its own, which the user can move.
    auto *info = new QWidget;
    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(3);
    form->setLabelAlignment(Qt::AlignRight);
    m_type = addField(form, tr("Type:"), QStringLiteral("type"));
    m_map = addField(form, tr("Map:"), QStringLiteral("map"));
    m_players = addField(form, tr("Players:"), QStringLiteral("players"));
    m_duration = addField(form, tr("Duration:"), QStringLiteral("duration"));
    m_version = addField(form, tr("Version:"), QStringLiteral("version"));
    m_spectators = addField(form, tr("Spectators:"), QStringLiteral("spectators"));
    m_spectators->setWordWrap(true);
    m_form = form;
    form->setRowVisible(m_spectators, false);
    m_platform = new QLabel(info);
    m_platform->setObjectName(QStringLiteral("platform"));
    m_platform->setTextFormat(Qt::PlainText);
    m_platformLogo = new QLabel(info);
    auto *platform = new QHBoxLayout;
    platform->setContentsMargins(0, 0, 0, 0);
    platform->addWidget(m_platformLogo);
    platform->addWidget(m_platform, 1);
    form->addRow(tr("Platform:"), platform);

    m_viewFlag = new QLabel(info);
    m_viewFlag->setFixedSize(CountryFlags::kWidth + 2, CountryFlags::kHeight + 2);
    m_viewName = new QLabel(info);
    m_viewName->setObjectName(QStringLiteral("view"));
    m_viewName->setTextFormat(Qt::PlainText);
    auto *view = new QHBoxLayout;
    view->setContentsMargins(0, 0, 0, 0);
    view->setSpacing(4);
    view->addWidget(m_viewFlag);
    view->addWidget(m_viewName, 1);
    form->addRow(tr("View of:"), view);
    m_rating = addField(form, tr("Rating AVG:"), QStringLiteral("rating"));

    auto *layout = new QVBoxLayout(info);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    m_problem = new QLabel(info);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problem->setFrameShape(QFrame::StyledPanel);
    m_problem->setMargin(6);
    m_problem->hide();
    layout->addWidget(m_problem);
    m_minimap->setParent(info);
    layout->addWidget(m_minimap, 0, Qt::AlignHCenter);
    layout->addLayout(form);

    const QString titles[2] = { tr("Team A"), tr("Team B") };
    for (int team = 0; team < 2; ++team) {
        m_teamBox[team] = new QGroupBox(titles[team], info);
        auto *rows = new QVBoxLayout(m_teamBox[team]);
        rows->setContentsMargins(4, 2, 4, 4);
        rows->setSpacing(2);
        for (int i = 0; i < kRowsPerTeam; ++i) {
            auto *row = new CPlayerRow(m_teamBox[team]);
            row->hide();
            rows->addWidget(row);
            m_rows[team].append(row);
        }
        layout->addWidget(m_teamBox[team]);
    }

    layout->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setWidget(info);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_chat->setReadOnly(true);
    m_chat->setObjectName(QStringLiteral("chat"));
    m_chat->setMinimumHeight(60);
    m_chat->setVisible(false);

    m_info = info;
    m_split = new QSplitter(Qt::Vertical, this);
    m_split->addWidget(scroll);
    m_split->addWidget(m_chat);
    m_split->setStretchFactor(0, 1);
    m_split->setStretchFactor(1, 1);
    m_split->setChildrenCollapsible(false);
    connect(m_split, &QSplitter::splitterMoved, this, [this] { m_userSized = true; });
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_split);
    Clear();
}

QPixmap CExFormView::PlatformLogo(int platform, const QString &label)
{
    if (platform != Platform::Zone && platform != Platform::IgzRm && platform != Platform::IgzDm)
        return QPixmap();
    const bool zone = platform == Platform::Zone;
    QPixmap logo(zone ? 56 : 51, 18);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(zone ? QColor(24, 64, 140) : QColor(150, 28, 28));
    painter.drawRoundedRect(QRectF(logo.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(logo.rect(), Qt::AlignCenter, label);
    return logo;
}

void CExFormView::fitChat()
{
    // The facts first, the chat below them in what is left, until the user
    // moves the divider.
    if (m_userSized || !m_chat->isVisible())
        return;
    const int total = m_split->height();
    const int chat = qMax(80, total - m_info->sizeHint().height());
    m_split->setSizes({ qMax(0, total - chat), chat });
}

void CExFormView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitChat();
}

QLabel *CExFormView::addField(QFormLayout *form, const QString &label, const QString &name)
{
    auto *value = new QLabel(this);
    value->setObjectName(name);
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(label, value);
    return value;
}

void CExFormView::ShowGame(const CRecordedGame &game)
{
    const CGameDetails d = CGameDetails::Describe(game);
    // Without the chat the facts take the whole height.
    const bool chat = CSettings::Instance().showChat;
    m_chat->setPlainText(chat ? QString(d.chat).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : QString());
    m_chat->setVisible(chat);
    m_problem->hide();
    m_type->setText(d.type);
    m_map->setText(d.map);
    m_players->setText(d.players);
    m_duration->setText(d.duration);
    m_version->setText(d.version);
    m_spectators->setText(d.spectators);
    m_form->setRowVisible(m_spectators, !d.spectators.isEmpty());
    m_platform->setText(d.platformText);
    // The rating services with a logo of their own show it instead of the text.
    const QPixmap logo = PlatformLogo(d.platform, d.platformText);
    m_platformLogo->setPixmap(logo);
    m_platformLogo->setToolTip(d.platformText);
    m_platformLogo->setVisible(!logo.isNull());
    m_platform->setVisible(logo.isNull());
    m_viewFlag->setPixmap(CountryFlags::Flag(d.viewCountry));
    m_viewName->setText(d.viewName);
    m_viewName->setToolTip(d.viewCountryName);
    m_viewFlag->setToolTip(d.viewCountryName);
    m_rating->setText(d.ratingAverage);
    fillTeam(0, d.teamA);
    fillTeam(1, d.teamB);
    m_minimap->ShowGame(game);
    fitChat();
    m_showing = true;
    m_file = game.FileName();
    emit shown();
}

void CExFormView::fillTeam(int team, const QList<CGameDetails::PlayerLine> &players)
{
    for (int i = 0; i < m_rows[team].size(); ++i) {
        CPlayerRow *row = m_rows[team].at(i);
        if (i < players.size()) {
            row->Show(players.at(i));
            row->show();
        } else {
            row->hide();
        }
    }
}

void CExFormView::ShowUnreadable(const QString &fileName, const QString &reason)
{
    Clear();
    m_problem->setText(tr("%1 could not be read: %2.").arg(fileName, reason));
    m_problem->show();
}

QString CExFormView::ProblemText() const
{
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void CExFormView::Clear()
{
    m_problem->hide();
    m_problem->clear();
    for (QLabel *label : { m_type, m_map, m_players, m_duration, m_version, m_spectators, m_platform, m_viewName,
             m_rating })
        label->clear();
    m_form->setRowVisible(m_spectators, false);
    m_viewFlag->clear();
    m_platformLogo->clear();
    m_platformLogo->hide();
    m_platform->show();
    m_viewName->setToolTip(QString());
    m_viewFlag->setToolTip(QString());
    fillTeam(0, {});
    fillTeam(1, {});
    m_chat->clear();
    m_minimap->Clear();
    m_showing = false;
    m_file.clear();
}

QString CExFormView::FieldText(const QString &field) const
{
    const QLabel *label = findChild<QLabel *>(field);
    return label ? label->text() : QString();
}

QStringList CExFormView::TeamNames(int team) const
{
    QStringList names;
    for (const CPlayerRow *row : m_rows[team & 1])
        if (!row->isHidden())
            names << row->Name();
    return names;
}

QStringList CExFormView::TeamLines(int team) const
{
    QStringList lines;
    for (const CPlayerRow *row : m_rows[team & 1])
        if (!row->isHidden())
            lines << row->Line();
    return lines;
}

bool CExFormView::PlatformLogoShown() const
{
    return !m_platformLogo->isHidden();
}

bool CExFormView::MinimapHasTerrain() const
{
    return m_minimap->HasTerrain();
}
