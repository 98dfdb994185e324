#include "ui/Configuration.h"

#include "app/ShellStrings.h"
#include "ui/ConfigCompressed.h"
#include "ui/ConfigFiles.h"
#include "ui/ConfigGeneral.h"
#include "ui/ConfigRatings.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CConfiguration::CConfiguration(QWidget *parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(LoadString(StringId::ConfigurationTitle));
    m_tabs->addTab(new CConfigGeneral, tr("General"));
    m_tabs->addTab(new CConfigRatings, tr("Ratings"));
    m_tabs->addTab(new CConfigFiles, tr("Files"));
    m_tabs->addTab(new CConfigCompressed, tr("Compressed Files"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    // As tall as the tallest page needs, so no control is squeezed.
    const QSize wanted = sizeHint();
    resize(qMax(520, wanted.width()), qMax(560, wanted.height()));
}

CConfigPage *CConfiguration::Page(int index) const
{
    return qobject_cast<CConfigPage *>(m_tabs->widget(index));
}

void CConfiguration::accept()
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (CConfigPage *page = Page(i))
            page->Apply();
    QDialog::accept();
}
