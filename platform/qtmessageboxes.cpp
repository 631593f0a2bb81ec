#include "platform/qtmessageboxes.h"

#include <QApplication>
#include <QMessageBox>

namespace
{

QMessageBox::Icon iconOf(MessageBoxes::Kind kind)
{
    switch (kind) {
    case MessageBoxes::Kind::Information:
        return QMessageBox::Information;
    case MessageBoxes::Kind::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Kind::Error:
        break;
    }
    return QMessageBox::Critical;
}

// Texts come with Windows line breaks; plain text keeps names with '<' or '&' as typed.
int runBox(QMessageBox::Icon icon, const std::string &text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, QApplication::applicationDisplayName(), shown, buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void QtMessageBoxes::show(Kind kind, const std::string &text)
{
    runBox(iconOf(kind), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const std::string &text)
{
    return runBox(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::No) == QMessageBox::Yes;
}
