#include "ui/RenameDlg.h"

#include "app/ShellStrings.h"
#include "rename/RenameStrings.h"
#include "ui/RenameMessages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { FileColumn, RoundColumn, NameColumn };

// The "Rename to" cell opens a drop-down of the row's candidates; a name
// may also be typed.
class CandidateDelegate : public QStyledItemDelegate
{
public:
    CandidateDelegate(CRenameRows &rows, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_rows(rows)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        const CRenameRow &row = m_rows.Row(index.row());
        for (int i = 0; i < row.candidates.size(); ++i)
            box->addItem(m_rows.CandidateName(index.row(), i));
        box->setToolTip(LoadString(StringId::InvalidNameCharacters));
        return box;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QComboBox *>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText().trimmed());
    }

private:
    CRenameRows &m_rows;
};

} // namespace

CRenameDlg::CRenameDlg(QWidget *parent, const QString &folder, const CRenameRows &rows, const QStringList &titles)
    : QDialog(parent)
    , m_folder(folder)
    , m_rows(rows)
    , m_table(new QTableWidget(rows.Count(), 3, this))
    , m_counter(new QLabel(this))
    , m_selectedName(new QLabel(this))
    , m_round(new QLineEdit(this))
    , m_format(new QComboBox(this))
{
    setWindowTitle(tr("Rename Files"));
    m_table->setObjectName(QStringLiteral("files"));
    m_counter->setObjectName(QStringLiteral("counter"));
    m_table->setHorizontalHeaderLabels({ tr("File"), tr("Round"), tr("Rename to") });
    m_table->setColumnWidth(FileColumn, 220);
    m_table->setColumnWidth(RoundColumn, 50);
    m_table->setColumnWidth(NameColumn, 290);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setShowGrid(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked);
    m_table->setItemDelegateForColumn(NameColumn, new CandidateDelegate(m_rows, m_table));
    m_filling = true;
    for (int r = 0; r < m_rows.Count(); ++r)
        fillRow(r);
    m_filling = false;
    m_selectedName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_round->setMaximumWidth(60);
    m_round->setObjectName(QStringLiteral("round"));
    m_format->addItem(QString());
    m_format->addItems(titles);

    auto *changeRow = new QHBoxLayout;
    changeRow->addWidget(new QLabel(tr("Round:"), this));
    changeRow->addWidget(m_round);
    changeRow->addWidget(new QLabel(tr("Select rename format for all files:"), this));
    changeRow->addWidget(m_format, 1);
    auto *change = new QPushButton(tr("Change"), this);
    changeRow->addWidget(change);

    auto *collisions = new QGroupBox(tr("Politics of collisions of the files names"), this);
    auto *collisionLayout = new QVBoxLayout(collisions);
    auto *sample = new QLabel(LoadString(StringId::CollisionSample), collisions);
    sample->setWordWrap(true);
    collisionLayout->addWidget(sample);
    collisionLayout->addWidget(
        new QLabel(tr("The word \"Game #\" comes from the configuration (page \"Files\")."), collisions));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(changeRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_counter);
    layout->addWidget(m_selectedName);
    layout->addWidget(collisions);
    layout->addWidget(buttons);

    connect(change, &QPushButton::clicked, this, [this] { ChangeAll(m_round->text(), m_format->currentIndex() - 1); });
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (m_filling)
            return;
        if (item->column() == FileColumn)
            m_rows.Row(item->row()).checked = item->checkState() == Qt::Checked;
        else if (item->column() == NameColumn)
            m_rows.Row(item->row()).newName = item->text();
        updateCounter();
    });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] { updateCounter(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CRenameDlg::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateCounter();
    resize(720, 520);
}

void CRenameDlg::fillRow(int r)
{
    const CRenameRow &row = m_rows.Row(r);
    auto *file = new QTableWidgetItem(row.fileName);
    file->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    file->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
    auto *round = new QTableWidgetItem(row.round);
    round->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    auto *name = new QTableWidgetItem(row.newName);
    name->setToolTip(LoadString(StringId::InvalidNameCharacters));
    m_table->setItem(r, FileColumn, file);
    m_table->setItem(r, RoundColumn, round);
    m_table->setItem(r, NameColumn, name);
}

QString CRenameDlg::CounterText() const
{
    return m_counter->text();
}

void CRenameDlg::updateCounter()
{
    m_counter->setText(m_rows.CounterText());
    const int current = m_table->currentRow();
    m_selectedName->setText(current >= 0 ? m_rows.Row(current).newName : QString());
}

void CRenameDlg::ChangeAll(const QString &round, int formatIndex)
{
    m_rows.Apply(round, formatIndex);
    m_filling = true;
    for (int r = 0; r < m_rows.Count(); ++r) {
        m_table->item(r, RoundColumn)->setText(m_rows.Row(r).round);
        m_table->item(r, NameColumn)->setText(m_rows.Row(r).newName);
    }
    m_filling = false;
    updateCounter();
}

void CRenameDlg::SetChecked(int row, bool checked)
{
    m_table->item(row, FileColumn)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CRenameDlg::ChooseCandidate(int row, int candidate)
{
    m_rows.Choose(row, candidate);
    m_table->item(row, NameColumn)->setText(m_rows.Row(row).newName);
}

void CRenameDlg::Confirm()
{
    QList<CRenameEntry> entries;
    QString message;
    if (!m_rows.BuildBatch(entries, &message)) {
        RenameMessages::Attention(this, message);
        return;
    }
    const CRenameBatch::Outcome out = CRenameBatch(m_folder, entries, CollisionText::Current()).Run();
    m_batchResult = out.result;
    if (out.result != CRenameBatch::Done)
        RenameMessages::Attention(this, out.message);
    // A refused name changed nothing: the user may correct it.
    if (out.result == CRenameBatch::InvalidName)
        return;
    accept();
}
