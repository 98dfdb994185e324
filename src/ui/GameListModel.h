#pragma once

#include "explorer/FolderListing.h"
#include "explorer/GameRow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

// The rows of the game list: one per folder, recording or archive of the
// current folder. Display texts for the view, raw values under SortRole;
// every ordering goes through the one comparison of RowSorting.
class CGameListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name, View, Map, Players, Duration, Date, ColumnCount };
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit CGameListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Rows can be dragged out to other programs as the files they stand for.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    // Replaces every row with a new listing (sorted with the current key).
    void SetListing(const CFolderListing &listing);
    void Clear();
    const CGameRow &Row(int row) const { return m_rows.at(row); }
    const QList<CGameRow> &Rows() const { return m_rows; }
    // Writes a row back after its analysis; keeps the current order.
    void UpdateRow(int row, const CGameRow &data);
    // Takes out the rows of those names (entries deleted or moved away),
    // keeping the order of the others. Counters are the caller's.
    void RemoveRows(const QStringList &names);
    // Adds a row where the current order puts it, or replaces the row of the
    // same name. True when a row was added.
    bool PutRow(const CGameRow &data);
    // Removes the row of that name; false when there is none.
    bool RemoveRow(const QString &fileName);
    // The row whose file has that name, -1 when none.
    int FindRow(const QString &fileName) const;

    // The sort key: column 1..6, negative for descending, -1 for none.
    int SortKey() const { return m_sortKey; }
    void SortByKey(int key);

    int FilesCounter() const { return m_files; }
    int GamesCounter() const { return m_games; }
    void SetCounters(int files, int games);

signals:
    void countersChanged(int files, int games);

private:
    QVariant displayText(const CGameRow &row, int column) const;
    QVariant sortValue(const CGameRow &row, int column) const;
    QIcon rowIcon(const CGameRow &row) const;
    void reindex();

    QList<CGameRow> m_rows;
    QHash<QString, int> m_byName;
    int m_sortKey = -1;
    int m_files = 0;
    int m_games = 0;
    QIcon m_folderIcon;
    QIcon m_recordingIcon;
    QIcon m_unreadableIcon;
    QIcon m_zipIcon;
    QIcon m_rarIcon;
};
