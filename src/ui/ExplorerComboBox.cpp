#include "ui/ExplorerComboBox.h"

#include "app/Paths.h"
#include "app/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
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
    // A path can be typed (or pasted) as in a file manager's location bar.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setClearButtonEnabled(false);
    connect(this, &QComboBox::activated, this, &CExplorerComboBox::onActivated);
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] { GoToTyped(lineEdit()->text()); });
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
    add(tr("Home"), QDir::homePath(), QAbstractFileIconProvider::Folder);
    setItemIcon(count() - 1, QIcon::fromTheme(QStringLiteral("user-home"), itemIcon(count() - 1)));
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
        lineEdit()->setText(QDir::toNativeSeparators(m_shown));
        return;
    }
    // The current path as the first entry, so the box always shows it.
    insertItem(
        0, QFileIconProvider().icon(QAbstractFileIconProvider::Folder), QDir::toNativeSeparators(m_shown), m_shown);
    setCurrentIndex(0);
    lineEdit()->setText(QDir::toNativeSeparators(m_shown));
}

void CExplorerComboBox::FocusLocation()
{
    lineEdit()->setText(QDir::toNativeSeparators(m_shown));
    lineEdit()->setFocus(Qt::ShortcutFocusReason);
    lineEdit()->selectAll();
}

bool CExplorerComboBox::GoToTyped(const QString &typed)
{
    QString folder = typed.trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    folder = QDir::fromNativeSeparators(folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        QMessageBox::warning(this, tr("Folder"), tr("The folder \"%1\" does not exist.").arg(typed.trimmed()));
        ShowPath(m_shown);
        return false;
    }
    folder = Paths::WithSlash(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (folder == m_shown) {
        ShowPath(m_shown);
        return true;
    }
    emit folderChosen(folder);
    return true;
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
