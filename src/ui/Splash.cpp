#include "ui/Splash.h"

#include "app/ShellStrings.h"
#include "ui/CountryFlags.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 240;
} // namespace

CSplash::CSplash()
    : QSplashScreen(Picture(QString(), 0), Qt::WindowStaysOnTopHint)
{
    setCursor(Qt::WaitCursor);
}

void CSplash::SetTranslator(const QString &name, int country)
{
    if (name.size() <= 5)
        return;
    m_translator = name;
    setPixmap(Picture(name, country));
}

QPixmap CSplash::Picture(const QString &translator, int translatorCountry)
{
    QPixmap pixmap(kWidth, kHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(52, 78, 120));
    sky.setColorAt(1, QColor(24, 32, 52));
    painter.fillRect(pixmap.rect(), sky);
    // A parchment band with the product name.
    painter.fillRect(QRect(0, 60, kWidth, 80), QColor(232, 214, 170));
    QFont title = painter.font();
    title.setPixelSize(44);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(70, 44, 20));
    painter.drawText(QRect(0, 60, kWidth, 80), Qt::AlignCenter, LoadString(StringId::ProductName));

    QFont small = painter.font();
    small.setPixelSize(12);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(Qt::white);
    const QRect text(5, kHeight - 45, kWidth - 35, 45);
    painter.drawText(text.adjusted(0, 0, 0, -28), Qt::AlignHCenter | Qt::AlignTop, LoadString(StringId::CreditLine));
    painter.drawText(text.adjusted(0, 14, 0, -14), Qt::AlignHCenter | Qt::AlignTop, LoadString(StringId::VersionLine));
    if (!translator.isEmpty()) {
        const QString label = LoadString(StringId::TranslatedBy);
        const QRect line = text.adjusted(0, 28, 0, 0);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, label);
        const int nameLeft = line.left() + painter.fontMetrics().horizontalAdvance(label) + 22;
        painter.drawPixmap(nameLeft - 20, line.top() + 2, CountryFlags::Flag(translatorCountry));
        painter.drawText(line.adjusted(nameLeft - line.left(), 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, translator);
    }
    return pixmap;
}
