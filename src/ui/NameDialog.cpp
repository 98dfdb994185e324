#include "ui/NameDialog.h"

#include "app/FileStrings.h"
#include "app/ShellStrings.h"
#include "explorer/FileNames.h"
#include "ui/AttentionBox.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

CNameDialog::CNameDialog(QWidget *parent, const QString &title, const QString &label, const QString &acceptText,
    const QString &initialName, int maxLength, Apply apply)
    : QDialog(parent)
    , m_field(new QLineEdit(this))
    , m_apply(std::move(apply))
{
    setWindowTitle(title);
    setMinimumWidth(380);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(m_field);
    if (maxLength > 0)
        m_field->setMaxLength(maxLength);
    m_field->setText(initialName);
    m_field->setToolTip(CharactersTip());
    connect(m_field, &QLineEdit::textEdited, this, &CNameDialog::warnAboutCharacters);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_accept = buttons->button(QDialogButtonBox::Ok);
    m_accept->setText(acceptText);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNameDialog::tryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_field);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    m_field->setFocus();
}

QString CNameDialog::CharactersTip()
{
    return QStringLiteral("<b>%1</b><br/>%2")
        .arg(LoadString(StringId::Attention).toHtmlEscaped(),
            LoadString(StringId::InvalidNameCharacters).toHtmlEscaped());
}

std::unique_ptr<CNameDialog> CNameDialog::CreateFolder(QWidget *parent, Apply apply)
{
    return std::make_unique<CNameDialog>(
        parent, tr("Create Folder"), tr("Folder Name:"), tr("Create"), QString(), 50, std::move(apply));
}

std::unique_ptr<CNameDialog> CNameDialog::Rename(
    QWidget *parent, const QString &currentName, bool isFolder, Apply apply)
{
    auto dialog = std::make_unique<CNameDialog>(parent,
        LoadString(isFolder ? StringId::RenameFolderTitle : StringId::RenameFileTitle),
        LoadString(isFolder ? StringId::RenameFolderLabel : StringId::RenameFileLabel), tr("Rename"), currentName, 0,
        std::move(apply));
    // As in a file manager, the name is selected without its extension, so
    // typing replaces the name and keeps the type.
    const int suffix = isFolder ? 0 : int(QFileInfo(currentName).suffix().size());
    const int length = suffix > 0 && suffix < currentName.size() - 1 ? int(currentName.size()) - suffix - 1
                                                                     : int(currentName.size());
    dialog->Field()->setSelection(0, length);
    return dialog;
}

void CNameDialog::warnAboutCharacters(const QString &text)
{
    if (std::none_of(text.begin(), text.end(), FileNames::IsForbiddenCharacter))
        return;
    const QPoint below = m_field->mapToGlobal(QPoint(m_field->width() / 4, m_field->height()));
    QToolTip::showText(below, CharactersTip(), m_field);
}

void CNameDialog::tryAccept()
{
    const QString name = m_field->text();
    const FileOperations::Result result = m_apply ? m_apply(name) : FileOperations::Result();
    if (result.Succeeded()) {
        m_accepted = name;
        accept();
        return;
    }
    AttentionBox::Show(this, result.message);
    m_field->setFocus();
    m_field->selectAll();
}
