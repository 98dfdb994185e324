#include "ui/AttentionBox.h"

#include "app/StringTable.h"

namespace AttentionBox {

namespace {

QString plain(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void Show(QWidget *parent, const QString &text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, LoadString(StringId::Attention), plain(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QMessageBox::StandardButton Ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon)
{
    QMessageBox box(icon, LoadString(StringId::Attention), plain(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace AttentionBox
