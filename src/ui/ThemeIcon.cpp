#include "ui/ThemeIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace {

QIcon symbolicPngs(const QString &name)
{
    static const QString root = QStringLiteral("/usr/share/icons/Adwaita/");
    static const QStringList contexts = { QStringLiteral("actions"), QStringLiteral("places"),
        QStringLiteral("mimetypes"), QStringLiteral("status"), QStringLiteral("categories"), QStringLiteral("legacy"),
        QStringLiteral("devices"), QStringLiteral("apps") };
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64 }) {
        const QString folder = root + QStringLiteral("%1x%1/").arg(size);
        for (const QString &context : contexts) {
            const QString file = folder + context + QLatin1Char('/') + name + QStringLiteral("-symbolic.symbolic.png");
            QImage image;
            if (!QFileInfo::exists(file) || !image.load(file))
                continue;
            icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal);
            // The style greys coloured pictures for disabled commands but
            // leaves a black symbol black: fade it so the state shows.
            QImage faded = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < faded.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(faded.scanLine(y));
                for (int x = 0; x < faded.width(); ++x)
                    line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), qAlpha(line[x]) * 3 / 10);
            }
            icon.addPixmap(QPixmap::fromImage(faded), QIcon::Disabled);
            break;
        }
    }
    return icon;
}

} // namespace

QIcon ThemeIcon(const QStringList &names, QStyle::StandardPixmap fallback, bool symbolic)
{
    for (const QString &name : names) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    for (const QString &name : symbolic ? names : QStringList()) {
        const QIcon icon = symbolicPngs(name);
        if (!icon.isNull())
            return icon;
    }
    return QApplication::style()->standardIcon(fallback);
}

QIcon ColourThemeIcon(const QStringList &names, QStyle::StandardPixmap fallback)
{
    for (const QString &name : names) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    for (const QString &name : names) {
        QIcon icon;
        for (int size : { 16, 22, 24, 32, 48 }) {
            const QString file = QStringLiteral("/usr/share/icons/Adwaita/%1x%1/mimetypes/%2.png").arg(size).arg(name);
            if (QFileInfo::exists(file))
                icon.addFile(file, QSize(size, size));
        }
        if (!icon.isNull())
            return icon;
    }
    return QApplication::style()->standardIcon(fallback);
}
