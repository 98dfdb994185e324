#pragma once

#include "explorer/FileRecordedGame.h"

class QWidget;

// What the rename dialogs show after a rename of one recording, and whether
// they stay open for another try.
namespace RenameMessages {

enum class Next { StayOpen, Close };

// Shows the result's message (caption "Atention", error icon) when it has
// one: an invalid name or an existing target left in place keeps the dialog
// open; a rename done or failed closes it.
Next Show(QWidget *parent, const CFileRecordedGame::Result &result);

// The replace question for an existing target (Yes, No, Cancel).
OverwriteAnswer AskReplace(QWidget *parent, const QString &targetPath);

// "Atention" with the error icon.
void Attention(QWidget *parent, const QString &text);

} // namespace RenameMessages
