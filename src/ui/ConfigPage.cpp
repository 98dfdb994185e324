#include "ui/ConfigPage.h"

CConfigPage::CConfigPage(QWidget *parent)
    : QWidget(parent)
{
}

void CConfigPage::EnsureInitialised()
{
    if (m_initialised)
        return;
    m_initialised = true;
    load();
}

void CConfigPage::Apply()
{
    if (m_initialised)
        store();
}

void CConfigPage::showEvent(QShowEvent *event)
{
    EnsureInitialised();
    QWidget::showEvent(event);
}
