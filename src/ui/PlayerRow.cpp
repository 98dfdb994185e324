#include "ui/PlayerRow.h"

#include "ui/CivBadge.h"
#include "ui/CountryFlags.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString flagHtml(int country)
{
    const QString file = CountryFlags::FlagFile(country);
    return file.isEmpty() ? QString() : QStringLiteral("<img src=\"%1\"/> ").arg(file.toHtmlEscaped());
}

} // namespace

CPlayerRow::CPlayerRow(QWidget *parent)
    : QWidget(parent)
    , m_badge(new QLabel(this))
    , m_flag(new QLabel(this))
    , m_name(new QLabel(this))
    , m_line(new QLabel(this))
{
    m_badge->setFixedSize(24, 24);
    m_flag->setFixedSize(CountryFlags::kWidth + 2, CountryFlags::kHeight + 2);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_name->setTextFormat(Qt::PlainText);
    m_line->setTextFormat(Qt::PlainText);

    auto *nameLine = new QHBoxLayout;
    nameLine->setContentsMargins(0, 0, 0, 0);
    nameLine->setSpacing(4);
    nameLine->addWidget(m_flag);
    nameLine->addWidget(m_name, 1);

    auto *text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(0);
    text->addLayout(nameLine);
    text->addWidget(m_line);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(6);
    layout->addWidget(m_badge, 0, Qt::AlignVCenter);
    layout->addLayout(text, 1);
}

void CPlayerRow::Show(const CGameDetails::PlayerLine &player)
{
    m_badge->setPixmap(CivBadge::Render(player.civilization, player.colour, 24));
    m_flag->setPixmap(CountryFlags::Flag(player.country));
    m_name->setText(player.name);
    m_line->setText(player.line.trimmed());
    setToolTip(TooltipHtml(player));
}

QString CPlayerRow::Name() const
{
    return m_name->text();
}

QString CPlayerRow::Line() const
{
    return m_line->text();
}

QString CPlayerRow::TooltipHtml(const CGameDetails::PlayerLine &player)
{
    QStringList lines = player.tooltip.split(QStringLiteral("\r\n"));
    const QString head = lines.isEmpty() ? QString() : lines.takeFirst();
    // "<flag>,<feudal>,<castle>,<imperial>,<colour> <name> (<rating>)"
    const qsizetype blank = head.indexOf(QLatin1Char(' '));
    const QString title = blank >= 0 ? head.mid(blank + 1) : head;
    const bool marks[3] = { player.firstFeudal, player.firstCastle, player.firstImperial };
    QString html = QStringLiteral("<p style='white-space:pre'>") + flagHtml(player.country) + QStringLiteral("<b>")
        + title.toHtmlEscaped() + QStringLiteral("</b>");
    int age = 0;
    for (const QString &line : lines) {
        QString text = line.toHtmlEscaped();
        // The three age lines come last; the first to reach an age is starred.
        if (line.startsWith(QLatin1Char('(')) && age < 3) {
            if (marks[age])
                text = QStringLiteral("<b>") + text + QStringLiteral(" \u2605</b>");
            ++age;
        }
        html += QStringLiteral("<br/>") + text;
    }
    return html + QStringLiteral("</p>");
}
