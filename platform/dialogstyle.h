#pragma once

#include <QFont>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The dialogs' own font: a fixed-width bold italic, metric-compatible with Courier New.
QFont dialogFont();

// Places a window in the middle of its screen's free area.
void centreOnScreen(QWidget *window);

// A push button whose accessible name is its caption, found by name in tests.
QPushButton *captionedButton(const QString &caption, const char *name);

// The row that ends a dialog: its accepting and cancelling buttons at the right.
QHBoxLayout *closingButtons(QPushButton *accept, QPushButton *cancel);
