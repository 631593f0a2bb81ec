#pragma once

#include <QListWidget>

// A list the player picks one line from. As in the list boxes players of this game know, every
// navigation key selects the line it lands on, also the current line that was not selected yet
// (the one Qt marks when the list gets the focus), so the buttons that follow the selection
// answer the keyboard at once.
class PickList : public QListWidget
{
    Q_OBJECT
public:
    explicit PickList(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
