#include "ui/RenameConfirm.h"

#include "app/ShellStrings.h"
#include "rename/RenameRows.h"
#include "ui/RenameMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRenameConfirm::CRenameConfirm(QWidget *parent, const QString &name, RenameFunction rename)
    : QDialog(parent)
    , m_name(name)
    , m_rename(std::move(rename))
    , m_round(new QComboBox(this))
    , m_preview(new QLineEdit(this))
    , m_underscores(new QCheckBox(tr("Replace spaces with underscores (_)"), this))
{
    setWindowTitle(tr("Rename Recorded Game"));
    m_round->setObjectName(QStringLiteral("round"));
    m_preview->setObjectName(QStringLiteral("preview"));
    m_underscores->setObjectName(QStringLiteral("underscores"));
    for (int i = 1; i <= 15; ++i)
        m_round->addItem(QString::number(i));
    m_preview->setMaxLength(100);
    m_preview->setToolTip(LoadString(StringId::InvalidNameCharacters));
    m_preview->setMinimumWidth(460);

    auto *form = new QFormLayout;
    form->addRow(tr("Select Round:"), m_round);
    form->addRow(m_preview);
    form->addRow(m_underscores);
    auto *note = new QLabel(tr("A round is required for this rename option."), this);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Rename"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_round, &QComboBox::currentIndexChanged, this, &CRenameConfirm::updatePreview);
    connect(m_underscores, &QCheckBox::toggled, this, &CRenameConfirm::updatePreview);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRenameConfirm::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updatePreview();
}

QString CRenameConfirm::Preview() const
{
    return m_preview->text();
}

void CRenameConfirm::updatePreview()
{
    QString text = CRenameRows::WithRound(m_name, m_round->currentText());
    if (m_underscores->isChecked())
        text = CRenameRows::WithUnderscores(text);
    m_preview->setText(text);
}

void CRenameConfirm::Confirm()
{
    const CFileRecordedGame::Result result = m_rename(m_preview->text());
    switch (RenameMessages::Show(this, result)) {
    case RenameMessages::Next::StayOpen:
        m_preview->setFocus();
        return;
    case RenameMessages::Next::Close:
        m_newName = result.Succeeded() ? result.newName : QString();
        if (result.Succeeded())
            accept();
        else
            reject();
        return;
    }
}
