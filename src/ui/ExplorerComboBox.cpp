#include "ui/ExplorerComboBox.h"

#include "app/Paths.h"
#include "app/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {
constexpr int kBrowse = 1; // data of the "Browse..." entry
constexpr int kFolderRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
} // namespace

CExplorerComboBox::CExplorerComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(40);
    connect(this, &QComboBox::activated, this, &CExplorerComboBox::onActivated);
}

void CExplorerComboBox::fill()
{
    const QSignalBlocker block(this);
    clear();
    QFileIconProvider icons;
    auto add = [&](const QString &label, const QString &folder, QAbstractFileIconProvider::IconType type) {
        if (folder.isEmpty())
            return;
        addItem(icons.icon(type), label, Paths::WithSlash(QDir::cleanPath(folder)));
    };
    add(tr("Desktop"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        QAbstractFileIconProvider::Desktop);
    add(tr("Documents"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QAbstractFileIconProvider::Folder);
    add(tr("SaveGames"), CSettings::Instance().SaveGameFolder(), QAbstractFileIconProvider::Folder);
    add(tr("Computer"), QStringLiteral("/"), QAbstractFileIconProvider::Computer);
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || root == QLatin1String("/"))
            continue;
        // Pseudo file systems (proc, sysfs, tmpfs...) hold no recordings.
        if (!root.startsWith(QLatin1String("/media")) && !root.startsWith(QLatin1String("/mnt"))
            && !root.startsWith(QLatin1String("/run/media")) && !root.startsWith(QLatin1String("/home")))
            continue;
        add(volume.displayName(), root, QAbstractFileIconProvider::Drive);
    }
    addItem(tr("Browse..."));
    setItemData(count() - 1, kBrowse, kKindRole);
}

void CExplorerComboBox::ShowPath(const QString &path)
{
    fill();
    m_shown = Paths::WithSlash(QDir::cleanPath(path));
    const QSignalBlocker block(this);
    const int at = findData(m_shown, kFolderRole);
    if (at >= 0) {
        setCurrentIndex(at);
        return;
    }
    // The current path as the first entry, so the box always shows it.
    insertItem(
        0, QFileIconProvider().icon(QAbstractFileIconProvider::Folder), QDir::toNativeSeparators(m_shown), m_shown);
    setCurrentIndex(0);
}

void CExplorerComboBox::onActivated(int index)
{
    QString folder;
    if (itemData(index, kKindRole).toInt() == kBrowse) {
        folder = QFileDialog::getExistingDirectory(this, tr("Browse..."), m_shown);
        if (folder.isEmpty()) {
            ShowPath(m_shown);
            return;
        }
    } else {
        folder = itemData(index, kFolderRole).toString();
    }
    folder = Paths::WithSlash(QDir::cleanPath(folder));
    if (folder == m_shown) {
        ShowPath(m_shown);
        return;
    }
    emit folderChosen(folder);
}
