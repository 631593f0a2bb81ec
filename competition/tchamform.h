#pragma once

#include "competition/championshipround.h"

#include <QEventLoop>
#include <QWidget>

class HintHeader;
class MessageBoxes;
class PictureBox;
class QPushButton;
class QScrollArea;

// Where the parts of the round window go for a screen of the given height: a screen too low
// for the whole window gets a window of its own height with a shorter scroll box.
struct ChamFormLayout {
    int clientHeight;
    int scrollHeight;
    int buttonTop;
};
ChamFormLayout ChamFormLayoutFor(int screenHeight);

// The championship round window: shows the three groups and plays them one after another with
// "Дальше". Created once at start-up; not modal, so the main window stays usable around it.
class TChamForm : public QWidget, public RoundWindow
{
    Q_OBJECT

public:
    explicit TChamForm(QWidget *parent = nullptr);

    bool playRound(ChampionshipRound &round, const std::string &caption) override;
    bool busy() const override { return m_round != nullptr; }

    HintHeader *header() const { return m_header; }
    QPushButton *okButton() const { return m_okButton; }
    const QImage &picture() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void OKButtonClick();
    void drawGroups();
    void showButton();
    void endRound();

    HintHeader *m_header;
    QScrollArea *m_scroll;
    PictureBox *m_image;
    QPushButton *m_okButton;
    QEventLoop m_loop;
    ChampionshipRound *m_round = nullptr;
};
