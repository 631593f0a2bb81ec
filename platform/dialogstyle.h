#pragma once

#include <QFont>

class QWidget;

// The dialogs' own font: a fixed-width bold italic, metric-compatible with Courier New.
QFont dialogFont();

// Places a window in the middle of its screen's free area.
void centreOnScreen(QWidget *window);
