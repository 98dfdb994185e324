#include "ui/ConfigFiles.h"

#include "app/Settings.h"
#include "app/ShellStrings.h"
#include "rename/RenameBatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace {
constexpr int kDateFormats = 9;
const QString kNumber = QStringLiteral("%d");

// The collision text numbers file names: a "%" or a character a name cannot
// hold is refused as it is typed.
class CollisionValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return CollisionText::IsValid(input + kNumber) ? Acceptable : Invalid;
    }
};
} // namespace

CConfigFiles::CConfigFiles(QWidget *parent)
    : CConfigPage(parent)
    , m_recycle(new QCheckBox(tr("Move the files to the Recycle Bin."), this))
    , m_collision(new QLineEdit(this))
    , m_dateFormat(new QComboBox(this))
    , m_englishMaps(new QCheckBox(tr("Use names of maps in english language when rename files."), this))
    , m_customDate(new QLineEdit(this))
{
    m_recycle->setObjectName(QStringLiteral("recycle"));
    m_collision->setObjectName(QStringLiteral("collision"));
    m_dateFormat->setObjectName(QStringLiteral("dateFormat"));
    m_englishMaps->setObjectName(QStringLiteral("englishMaps"));
    m_customDate->setObjectName(QStringLiteral("customDate"));
    m_collision->setMaxLength(10);
    m_collision->setValidator(new CollisionValidator(m_collision));
    m_collision->setToolTip(LoadString(StringId::InvalidNameCharacters));
    for (int i = 0; i < kDateFormats; ++i)
        m_dateFormat->addItem(
            LoadString(StringId::DateFormatLabelBase + i), SourceString(StringId::DateFormatBase + i));
    m_customDate->setToolTip(LoadString(StringId::InvalidNameCharacters));

    auto *collision = new QGroupBox(tr("When a file with the same name exists"), this);
    auto *collisionLayout = new QVBoxLayout(collision);
    auto *samples = new QLabel(tr("The new name gets this text and a number, for example:\n"
                                  "\"Arabia.mgx\" becomes \"Arabia Game 1.mgx\", \"Arabia Game 2.mgx\"..."),
        collision);
    samples->setWordWrap(true);
    collisionLayout->addWidget(samples);
    collisionLayout->addWidget(m_collision);
    collisionLayout->addWidget(new QLabel(tr("NOTE: the name needs to be without any quotes."), collision));

    auto *dates = new QGroupBox(tr("Date format of the Files"), this);
    auto *datesLayout = new QVBoxLayout(dates);
    datesLayout->addWidget(new QLabel(tr("Format:"), dates));
    datesLayout->addWidget(m_dateFormat);

    auto *rename = new QGroupBox(tr("Rename"), this);
    auto *renameLayout = new QVBoxLayout(rename);
    renameLayout->addWidget(m_englishMaps);
    renameLayout->addWidget(new QLabel(tr("Custom Date Format for Rename Files:"), rename));
    renameLayout->addWidget(m_customDate);
    renameLayout->addWidget(new QLabel(tr("You can use the follow Date Labels:"), rename));
    auto *labels = new QPlainTextEdit(rename);
    labels->setReadOnly(true);
    labels->setPlainText(LoadString(StringId::DateLabels).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    labels->setMinimumHeight(90);
    renameLayout->addWidget(labels);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_recycle);
    layout->addWidget(collision);
    layout->addWidget(dates);
    layout->addWidget(rename, 1);
}

QString CConfigFiles::CollisionForEdit(const QString &stored)
{
    // Only the number placeholder is taken off: a stored text without it
    // (edited by hand) is shown whole instead of losing two characters.
    return stored.endsWith(kNumber) ? stored.chopped(kNumber.size()) : stored;
}

QString CConfigFiles::CollisionForStore(const QString &edited)
{
    return edited + kNumber;
}

void CConfigFiles::load()
{
    const CSettings &s = CSettings::Instance();
    m_recycle->setChecked(!s.deleteDirectly);
    m_collision->setText(CollisionForEdit(s.CollisionText()));
    m_dateFormat->setCurrentIndex(m_dateFormat->findData(s.DateFormat()));
    m_englishMaps->setChecked(s.useEnglishMaps);
    m_customDate->setText(s.CustomDateFormat());
}

void CConfigFiles::store()
{
    CSettings &s = CSettings::Instance();
    s.deleteDirectly = !m_recycle->isChecked();
    // A stored text the page cannot show (edited by hand) is replaced only
    // by a usable one.
    if (CollisionText::IsValid(CollisionForStore(m_collision->text())))
        s.SetCollisionText(CollisionForStore(m_collision->text()));
    // A stored format that none of the items shows stays as it was.
    if (m_dateFormat->currentIndex() >= 0)
        s.SetDateFormat(m_dateFormat->currentData().toString());
    s.useEnglishMaps = m_englishMaps->isChecked();
    s.SetCustomDateFormat(m_customDate->text());
}
