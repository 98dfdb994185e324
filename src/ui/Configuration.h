#pragma once

#include <QDialog>

class CConfigPage;
class QTabWidget;

// "System Configuration": the four pages General, Ratings, Files and
// Compressed Files. Confirming applies the pages that were shown; the
// caller then writes the general settings.
class CConfiguration : public QDialog
{
    Q_OBJECT
public:
    explicit CConfiguration(QWidget *parent = nullptr);

    QTabWidget *Tabs() const { return m_tabs; }
    CConfigPage *Page(int index) const;

    void accept() override;

private:
    QTabWidget *m_tabs;
};
