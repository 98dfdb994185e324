#include "ui/ClipboardDlg.h"

#include "recgame/RecordedGame.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CClipboardDlg::CClipboardDlg(const CRecordedGame &game, QWidget *parent)
    : QDialog(parent)
    , m_game(game)
    , m_text(new QPlainTextEdit(this))
    , m_rating(new QComboBox(this))
    , m_civilizations(new QComboBox(this))
    , m_teamNames(new QCheckBox(this))
    , m_mapName(new QCheckBox(this))
    , m_union(new QLineEdit(this))
{
    setWindowTitle(tr("Copy to Clipboard"));
    m_text->setObjectName(QStringLiteral("text"));
    m_rating->setObjectName(QStringLiteral("rating"));
    m_civilizations->setObjectName(QStringLiteral("civilizations"));
    m_teamNames->setObjectName(QStringLiteral("teamNames"));
    m_mapName->setObjectName(QStringLiteral("mapName"));
    m_union->setObjectName(QStringLiteral("union"));

    const CDescriptionOptions defaults;
    m_rating->addItems({ tr("No"), tr("Full"), tr("17++") });
    m_rating->setCurrentIndex(defaults.rating);
    m_civilizations->addItems({ tr("No"), tr("Yes"), tr("3 chars") });
    m_civilizations->setCurrentIndex(defaults.civilizations);
    m_teamNames->setChecked(defaults.teamNames);
    m_mapName->setChecked(defaults.mapName);
    m_union->setMaxLength(CDescriptionOptions::kUnionMaxLength);
    m_union->setText(defaults.unionText);
    m_text->setTabChangesFocus(true);

    auto *form = new QFormLayout;
    form->addRow(tr("Team Rating:"), m_rating);
    form->addRow(tr("Players Civilizations:"), m_civilizations);
    form->addRow(tr("Team Names:"), m_teamNames);
    form->addRow(tr("Map name:"), m_mapName);
    form->addRow(tr("Union string:"), m_union);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *updateButton = buttons->addButton(tr("&Update"), QDialogButtonBox::ApplyRole);
    updateButton->setObjectName(QStringLiteral("update"));
    QPushButton *copyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::AcceptRole);
    copyButton->setObjectName(QStringLiteral("copy"));
    copyButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(updateButton, &QPushButton::clicked, this, &CClipboardDlg::update);
    connect(copyButton, &QPushButton::clicked, this, &CClipboardDlg::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, 360);
    update();
}

CDescriptionOptions CClipboardDlg::Options() const
{
    CDescriptionOptions options;
    options.rating = m_rating->currentIndex();
    options.civilizations = m_civilizations->currentIndex();
    options.teamNames = m_teamNames->isChecked();
    options.mapName = m_mapName->isChecked();
    options.unionText = m_union->text();
    return options;
}

QString CClipboardDlg::Text() const
{
    return m_text->toPlainText();
}

void CClipboardDlg::update()
{
    m_text->setPlainText(GameDescription::BuildDescription(m_game, Options()));
}

void CClipboardDlg::copy()
{
    // The text as the user left it in the box, edits included.
    if (QClipboard *clipboard = QApplication::clipboard())
        clipboard->setText(Text());
    accept();
}
