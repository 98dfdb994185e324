#include "ui/RenameFormatsDlg.h"

#include "app/StringTable.h"
#include "recgame/RecordedGame.h"
#include "rename/RenameStrings.h"
#include "ui/RenameMessages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRenameFormatsDlg::CRenameFormatsDlg(QWidget *parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
    , m_title(new QLineEdit(this))
    , m_format(new QLineEdit(this))
    , m_type(new QComboBox(this))
    , m_typeNote(new QLabel(this))
    , m_save(new QPushButton(tr("Save"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Rename Formats"));
    m_list->setObjectName(QStringLiteral("formats"));
    m_title->setObjectName(QStringLiteral("title"));
    m_format->setObjectName(QStringLiteral("format"));
    m_type->setObjectName(QStringLiteral("type"));
    CRenamer renamer(CRenamer::Options {});
    renamer.LoadFormats();
    m_formats = renamer.Formats();
    m_type->addItem(LoadString(StringId::FormatTypeTeamGame));
    for (int n = 1; n <= 4; ++n)
        m_type->addItem(CRecordedGame::MatchSizeLabel(n));
    m_format->setMinimumWidth(420);

    auto *newButton = new QPushButton(tr("New"), this);
    auto *edit = new QPushButton(tr("Edit"), this);
    auto *show = new QPushButton(tr("Show"), this);
    auto *remove = new QPushButton(tr("Delete"), this);
    auto *listButtons = new QHBoxLayout;
    for (QPushButton *b : { newButton, edit, show, remove })
        listButtons->addWidget(b);
    listButtons->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Formats:"), this));
    left->addWidget(m_list, 1);
    left->addLayout(listButtons);

    auto *entry = new QGroupBox(tr("Format"), this);
    auto *form = new QFormLayout(entry);
    form->addRow(tr("Rename Title:"), m_title);
    form->addRow(tr("Rename Format:"), m_format);
    form->addRow(tr("Format Type:"), m_type);
    form->addRow(tr("(this Format is for..)"), m_typeNote);
    auto *entryButtons = new QHBoxLayout;
    entryButtons->addStretch(1);
    entryButtons->addWidget(m_cancel);
    entryButtons->addWidget(m_save);
    form->addRow(entryButtons);

    auto *samples = new QGroupBox(tr("Rename Format Samples"), this);
    auto *sampleLayout = new QVBoxLayout(samples);
    auto *help = new QPlainTextEdit(samples);
    help->setReadOnly(true);
    help->setPlainText(LoadString(StringId::FormatTagsHelp).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    sampleLayout->addWidget(help);

    auto *right = new QVBoxLayout;
    right->addWidget(entry);
    right->addWidget(samples, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *saveChanges = buttons->addButton(tr("Save Changes"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    connect(newButton, &QPushButton::clicked, this, &CRenameFormatsDlg::NewEntry);
    connect(edit, &QPushButton::clicked, this, [this] { EditEntry(m_list->currentRow()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { EditEntry(m_list->currentRow()); });
    connect(show, &QPushButton::clicked, this, [this] { ShowEntry(m_list->currentRow()); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteEntry(m_list->currentRow()); });
    connect(m_cancel, &QPushButton::clicked, this, &CRenameFormatsDlg::CancelEntry);
    connect(m_save, &QPushButton::clicked, this, &CRenameFormatsDlg::SaveEntry);
    connect(saveChanges, &QPushButton::clicked, this, &CRenameFormatsDlg::SaveChanges);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_type, &QComboBox::currentIndexChanged, this, &CRenameFormatsDlg::updateTypeNote);
    fillList();
    SetFields(QString(), QString(), -1);
    setEditing(false);
    resize(900, 520);
}

void CRenameFormatsDlg::fillList()
{
    m_list->clear();
    for (const CRenameFormat &f : m_formats)
        m_list->addItem(f.title);
}

void CRenameFormatsDlg::setEditing(bool editing, bool readOnly)
{
    for (QWidget *w : std::initializer_list<QWidget *> { m_title, m_format, m_type })
        w->setEnabled(editing || readOnly);
    m_title->setReadOnly(readOnly);
    m_format->setReadOnly(readOnly);
    m_type->setEnabled(editing);
    m_save->setEnabled(editing);
    m_cancel->setEnabled(editing);
}

bool CRenameFormatsDlg::FieldsEnabled() const
{
    return m_save->isEnabled();
}

void CRenameFormatsDlg::SetFields(const QString &title, const QString &format, int type)
{
    m_title->setText(title);
    m_format->setText(format);
    m_type->setCurrentIndex(type);
    updateTypeNote();
}

QString CRenameFormatsDlg::TypeNote() const
{
    return m_typeNote->text();
}

void CRenameFormatsDlg::updateTypeNote()
{
    const int type = m_type->currentIndex();
    m_typeNote->setText(type < 0 ? QString() : CRenamer::TypeDescription(type));
}

void CRenameFormatsDlg::NewEntry()
{
    CancelEntry();
    SetFields(QString(), QString(), -1);
    setEditing(true);
    m_title->setFocus();
}

void CRenameFormatsDlg::EditEntry(int i)
{
    if (i < 0 || i >= m_formats.size())
        return;
    CancelEntry();
    const CRenameFormat f = m_formats.takeAt(i);
    m_taken = std::make_pair(i, f);
    fillList();
    SetFields(f.title, f.format, f.type);
    setEditing(true);
}

void CRenameFormatsDlg::ShowEntry(int i)
{
    if (i < 0 || i >= m_formats.size())
        return;
    CancelEntry();
    const CRenameFormat &f = m_formats[i];
    SetFields(f.title, f.format, f.type);
    setEditing(false, true);
}

void CRenameFormatsDlg::DeleteEntry(int i)
{
    if (i < 0 || i >= m_formats.size())
        return;
    m_formats.removeAt(i);
    fillList();
}

void CRenameFormatsDlg::CancelEntry()
{
    if (m_taken) {
        m_formats.insert(qMin(m_taken->first, int(m_formats.size())), m_taken->second);
        m_taken.reset();
        fillList();
    }
    SetFields(QString(), QString(), -1);
    setEditing(false);
}

bool CRenameFormatsDlg::SaveEntry()
{
    CRenameFormat f { m_title->text(), m_format->text(), m_type->currentIndex() };
    bool errorCaption = false;
    const QString problem = CRenamer::CheckEntry(f, &errorCaption);
    if (!problem.isEmpty()) {
        if (errorCaption)
            QMessageBox::critical(this, LoadString(StringId::Error), problem);
        else
            RenameMessages::Attention(this, problem);
        return false;
    }
    // An edited entry goes back where it was; a new one to the end.
    const int at = m_taken ? qMin(m_taken->first, int(m_formats.size())) : int(m_formats.size());
    m_formats.insert(at, f);
    m_taken.reset();
    fillList();
    m_list->setCurrentRow(at);
    SetFields(QString(), QString(), -1);
    setEditing(false);
    return true;
}

void CRenameFormatsDlg::SaveChanges()
{
    // An entry taken out for editing and not saved is written as it was.
    CancelEntry();
    CRenamer renamer(CRenamer::Options {});
    for (const CRenameFormat &f : m_formats)
        renamer.AddFormat(f.title, f.format, f.type);
    renamer.SaveFormats();
    accept();
}
