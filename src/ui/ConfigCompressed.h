#pragma once

#include "ui/ConfigPage.h"

class QCheckBox;
class QLineEdit;

// "Compressed Files": whether zip and rar archives are listed, and the
// temporary folder in which an opened archive is unpacked.
class CConfigCompressed : public CConfigPage
{
    Q_OBJECT
public:
    explicit CConfigCompressed(QWidget *parent = nullptr);

protected:
    void load() override;
    void store() override;

private:
    QCheckBox *m_zip;
    QCheckBox *m_rar;
    QLineEdit *m_workDirectory;
};
