#include "platform/dialogstyle.h"

#include "platform/fontnames.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

QFont dialogFont()
{
    QFont font(fontnames::fixed(), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QPushButton *captionedButton(const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    return button;
}

QHBoxLayout *closingButtons(QPushButton *accept, QPushButton *cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(accept);
    row->addWidget(cancel);
    return row;
}
