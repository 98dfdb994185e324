#pragma once

#include <QMessageBox>

// Message boxes that may come up while the splash is on screen. The splash
// stays on top of every other window, so it is closed first: a box hidden
// under it would make the program look hung.
namespace StartupMessage {

// Closes every splash window of the program.
void CloseSplashes();

// Shows box modally once no splash covers it; returns the button chosen.
int Exec(QMessageBox &box);

} // namespace StartupMessage
