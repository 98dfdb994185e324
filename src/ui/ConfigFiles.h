#pragma once

#include "ui/ConfigPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Files": deleting to the trash, the text added to a name that is taken,
// the date format of the list, English map names and the custom date format
// of the rename formats.
class CConfigFiles : public CConfigPage
{
    Q_OBJECT
public:
    explicit CConfigFiles(QWidget *parent = nullptr);

    // The collision text as the edit shows it: without its "%d".
    static QString CollisionForEdit(const QString &stored);
    static QString CollisionForStore(const QString &edited);

protected:
    void load() override;
    void store() override;

private:
    QCheckBox *m_recycle;
    QLineEdit *m_collision;
    QComboBox *m_dateFormat;
    QCheckBox *m_englishMaps;
    QLineEdit *m_customDate;
};
