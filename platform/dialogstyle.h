#pragma once

#include <QFont>

class QPushButton;
class QWidget;

// The dialogs' own font: a fixed-width bold italic, metric-compatible with Courier New.
QFont dialogFont();

// Places a window in the middle of its screen's free area.
void centreOnScreen(QWidget *window);

// A push button whose accessible name is its caption, found by name in tests.
QPushButton *captionedButton(const QString &caption, const char *name);
