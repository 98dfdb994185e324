#include "ui/GameListModel.h"

#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "explorer/RowSorting.h"
#include "ratings/Countries.h"
#include "ui/CountryFlags.h"
#include "ui/ThemeIcon.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace {

} // namespace

CGameListModel::CGameListModel(QObject *parent)
    : QAbstractTableModel(parent)
    // Rows keep the coloured pictures of the style when the desktop has no
    // icon theme: monochrome symbols would make the list hard to scan.
    , m_folderIcon(ThemeIcon({ QStringLiteral("folder") }, QStyle::SP_DirIcon, false))
    , m_recordingIcon(ThemeIcon({ QStringLiteral("video-x-generic") }, QStyle::SP_FileIcon, false))
    , m_unreadableIcon(ThemeIcon({ QStringLiteral("dialog-warning") }, QStyle::SP_MessageBoxWarning, false))
    , m_zipIcon(ColourThemeIcon(
          { QStringLiteral("application-zip"), QStringLiteral("package-x-generic") }, QStyle::SP_DriveFDIcon))
    , m_rarIcon(ColourThemeIcon(
          { QStringLiteral("application-x-rar"), QStringLiteral("package-x-generic") }, QStyle::SP_DriveCDIcon))
{
}

Qt::ItemFlags CGameListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_rows.at(index.row()).IsParent())
        f |= Qt::ItemIsDragEnabled;
    return f;
}

QStringList CGameListModel::mimeTypes() const
{
    return { QStringLiteral("text/uri-list") };
}

QMimeData *CGameListModel::mimeData(const QModelIndexList &indexes) const
{
    const QString folder = CSettings::Instance().CurrentPath();
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && !rows.contains(index.row()) && !m_rows.at(index.row()).IsParent())
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    QList<QUrl> urls;
    for (int row : rows)
        urls << QUrl::fromLocalFile(folder + m_rows.at(row).fileName);
    if (urls.isEmpty())
        return nullptr;
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

int CGameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CGameListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CGameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole)
        return LoadString(StringId::ColumnName + section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(section == Players ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

QVariant CGameListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const CGameRow &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, index.column());
    case SortRole:
        return sortValue(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == Name)
            return rowIcon(row);
        if (index.column() == View && row.IsKnown())
            return CountryFlags::Flag(row.viewCountry);
        return QVariant();
    case Qt::ToolTipRole:
        if (index.column() == Name && row.IsUnreadable())
            return tr("%1\nCould not be read: %2").arg(row.fileName, row.error);
        if (index.column() == View && row.IsKnown() && row.viewCountry > 0)
            return Country::CountryName(row.viewCountry);
        return QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == Players ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant CGameListModel::displayText(const CGameRow &row, int column) const
{
    if (column == Name)
        return row.fileName;
    if (column == Date)
        return FormatRowDate(row.date, CSettings::Instance().DateFormat());
    if (!row.IsKnown())
        return QString();
    switch (column) {
    case View:
        return row.viewName;
    case Map:
        return row.mapName;
    case Players:
        return row.playersLabel;
    case Duration:
        return row.durationText;
    default:
        return QString();
    }
}

QVariant CGameListModel::sortValue(const CGameRow &row, int column) const
{
    switch (column) {
    case Name:
        return row.fileName;
    case View:
        return row.viewName;
    case Map:
        return row.mapName;
    case Players:
        return row.players;
    case Duration:
        return row.duration;
    case Date:
        return row.date;
    default:
        return QVariant();
    }
}

QIcon CGameListModel::rowIcon(const CGameRow &row) const
{
    switch (row.kind) {
    case CGameRow::Kind::Folder:
        return m_folderIcon;
    case CGameRow::Kind::Zip:
        return m_zipIcon;
    case CGameRow::Kind::Rar:
        return m_rarIcon;
    case CGameRow::Kind::Recording:
        break;
    }
    return row.IsUnreadable() ? m_unreadableIcon : m_recordingIcon;
}

void CGameListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    SortByKey(order == Qt::AscendingOrder ? column + 1 : -(column + 1));
}

void CGameListModel::SortByKey(int key)
{
    m_sortKey = key;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QStringList names;
    names.reserve(before.size());
    for (const QModelIndex &index : before)
        names << m_rows.at(index.row()).fileName;
    RowSorting::SortRows(m_rows, m_sortKey);
    reindex();
    // File names are unique within a folder, so they carry the selection over.
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(FindRow(names.at(i)), before.at(i).column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CGameListModel::SetListing(const CFolderListing &listing)
{
    beginResetModel();
    m_rows = listing.rows;
    RowSorting::SortRows(m_rows, m_sortKey);
    reindex();
    endResetModel();
    SetCounters(listing.files, listing.recordings);
}

void CGameListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_byName.clear();
    endResetModel();
    SetCounters(0, 0);
}

void CGameListModel::UpdateRow(int row, const CGameRow &data)
{
    if (row < 0 || row >= m_rows.size())
        return;
    if (m_rows.at(row).fileName != data.fileName) {
        m_byName.remove(m_rows.at(row).fileName);
        m_byName.insert(data.fileName, row);
    }
    m_rows[row] = data;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void CGameListModel::RemoveRows(const QStringList &names)
{
    QList<int> rows;
    for (const QString &name : names) {
        const int row = FindRow(name);
        if (row >= 0)
            rows << row;
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
    if (!rows.isEmpty())
        reindex();
}

bool CGameListModel::PutRow(const CGameRow &data)
{
    const int existing = FindRow(data.fileName);
    if (existing >= 0) {
        CGameRow row = data;
        row.ordinal = m_rows.at(existing).ordinal;
        UpdateRow(existing, row);
        return false;
    }
    CGameRow row = data;
    row.ordinal = int(m_rows.size());
    const auto at = std::upper_bound(m_rows.cbegin(), m_rows.cend(), row,
        [this](const CGameRow &a, const CGameRow &b) { return RowSorting::CompareRows(a, b, m_sortKey) < 0; });
    const int position = int(at - m_rows.cbegin());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, row);
    reindex();
    endInsertRows();
    return true;
}

bool CGameListModel::RemoveRow(const QString &fileName)
{
    if (FindRow(fileName) < 0)
        return false;
    RemoveRows({fileName});
    return true;
}

int CGameListModel::FindRow(const QString &fileName) const
{
    return m_byName.value(fileName, -1);
}

void CGameListModel::reindex()
{
    // Rows are found by name for every row a scan stores: a folder of
    // thousands of recordings must not make that a walk over the list.
    m_byName.clear();
    m_byName.reserve(m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        m_byName.insert(m_rows.at(i).fileName, int(i));
}

void CGameListModel::SetCounters(int files, int games)
{
    m_files = files;
    m_games = games;
    emit countersChanged(files, games);
}
