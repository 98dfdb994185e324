#include "ui/RenameMessages.h"

#include "app/FileStrings.h"
#include "app/StringTable.h"

#include <QMessageBox>

namespace RenameMessages {

void Attention(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, LoadString(StringId::Attention), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

Next Show(QWidget *parent, const CFileRecordedGame::Result &result)
{
    switch (result.outcome) {
    case CFileRecordedGame::Outcome::Done:
        return Next::Close;
    case CFileRecordedGame::Outcome::InvalidName:
        Attention(parent, result.message);
        return Next::StayOpen;
    case CFileRecordedGame::Outcome::Declined:
        return Next::StayOpen;
    case CFileRecordedGame::Outcome::Cancelled:
        return Next::Close;
    case CFileRecordedGame::Outcome::Failed:
        Attention(parent, result.message);
        return Next::Close;
    }
    return Next::Close;
}

OverwriteAnswer AskReplace(QWidget *parent, const QString &)
{
    switch (QMessageBox::question(parent, LoadString(StringId::Attention), LoadString(StringId::ConfirmReplace),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No)) {
    case QMessageBox::Yes:
        return OverwriteAnswer::Yes;
    case QMessageBox::No:
        return OverwriteAnswer::No;
    default:
        return OverwriteAnswer::Cancel;
    }
}

} // namespace RenameMessages
