#pragma once

#include <QMessageBox>

// The message boxes of the file commands: caption "Atention", texts of the
// string table (whose line breaks are "\r\n") shown as plain text.
namespace AttentionBox {

// Shows text with icon and an OK button.
void Show(QWidget *parent, const QString &text, QMessageBox::Icon icon = QMessageBox::Critical);

// Asks text with the question icon; returns the button chosen (Escape or
// closing the box answers Cancel when offered, else No).
QMessageBox::StandardButton Ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon = QMessageBox::Question);

} // namespace AttentionBox
