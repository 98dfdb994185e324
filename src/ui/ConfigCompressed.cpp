#include "ui/ConfigCompressed.h"

#include "app/Paths.h"
#include "app/Settings.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CConfigCompressed::CConfigCompressed(QWidget *parent)
    : CConfigPage(parent)
    , m_zip(new QCheckBox(tr("Analyze Zip Files"), this))
    , m_rar(new QCheckBox(tr("Analyze RaR Files"), this))
    , m_workDirectory(new QLineEdit(this))
{
    m_zip->setObjectName(QStringLiteral("analyzeZip"));
    m_rar->setObjectName(QStringLiteral("analyzeRar"));
    m_workDirectory->setObjectName(QStringLiteral("workDirectory"));
    auto *browse = new QPushButton(tr("&Browse"), this);
    auto *row = new QHBoxLayout;
    row->addWidget(m_workDirectory, 1);
    row->addWidget(browse);
    auto *note = new QLabel(tr("NOTE: All files or folders of the temporal directory will be deleted."), this);
    note->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_zip);
    layout->addWidget(m_rar);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("Temporal Directory:"), this));
    layout->addLayout(row);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder
            = QFileDialog::getExistingDirectory(this, tr("Temporal Directory:"), m_workDirectory->text());
        if (!folder.isEmpty())
            m_workDirectory->setText(folder);
    });
}

void CConfigCompressed::load()
{
    const CSettings &s = CSettings::Instance();
    m_zip->setChecked(s.analyzeZip);
    m_rar->setChecked(s.analyzeRar);
    m_workDirectory->setText(s.WorkDirectory());
}

void CConfigCompressed::store()
{
    CSettings &s = CSettings::Instance();
    s.analyzeZip = m_zip->isChecked();
    s.analyzeRar = m_rar->isChecked();
    const QString folder = m_workDirectory->text().trimmed();
    if (!folder.isEmpty())
        s.SetWorkDirectory(Paths::WithSlash(folder));
}
