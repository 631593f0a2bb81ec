#pragma once

#include "competition/competitionkind.h"
#include "competition/standingsrows.h"
#include "data/shareddata.h"
#include "platform/hintheader.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class PictureBox;
class QCheckBox;
class QLabel;
class QPushButton;

// A competition page: the heading, the standings picture under its header, the difficulty,
// the buttons that play the next round and give the prizes, and on the championship page the
// check box that seats the club in one group.
class StandingsSheet : public QWidget
{
    Q_OBJECT
public:
    struct Layout {
        CompetitionKind kind;
        QString sheet, header, image;
        QString prefix; // of the labels and buttons: "Tur" or "Cham"
        std::vector<HintHeader::Section> sections;
        QSize pictureSize;
        int rowPitch;
        QColor diffColour;
        QString continueHint, praiseHint;
    };

    StandingsSheet(const Layout &layout, QWidget *parent);

    // Draws the current competition of the page's kind. Without one (no current slot, or a
    // slot that is not a playable competition of this kind) the picture stays as it is, and
    // "Продолжить" is disabled and the prize button hidden. busy keeps "Продолжить" and the
    // championship page's check box disabled while a game or a round is running.
    void drawStandings(SharedData &data, bool busy);

    CompetitionKind kind() const { return m_kind; }
    HintHeader *header() const { return m_header; }
    QPushButton *continueButton() const { return m_continueButton; }
    QPushButton *praiseButton() const { return m_praiseButton; }
    // The championship page's "Клуб игроков в одной группе"; nullptr on the tournament page.
    QCheckBox *allCheckBox() const { return m_allCheckBox; }
    const QImage &picture() const;

private:
    void paintRows();

    CompetitionKind m_kind;
    int m_rowPitch;
    QLabel *m_headerLabel;
    HintHeader *m_header;
    PictureBox *m_image;
    QLabel *m_diffLabel;
    QCheckBox *m_allCheckBox = nullptr;
    QPushButton *m_continueButton;
    QPushButton *m_praiseButton;
    // The rows last drawn, laid out again when a column is resized.
    std::vector<StandingsRow> m_rows;
};

StandingsSheet *makeTurnirSheet(QWidget *parent);
StandingsSheet *makeChampionSheet(QWidget *parent);
