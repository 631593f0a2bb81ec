#pragma once

#include "data/shareddata.h"

#include <QDialog>

#include <functional>
#include <optional>

class CoachLoader;
class MessageBoxes;
class PlotFrame;
class QAction;
class QComboBox;
class QLabel;
struct PlayerStats;

// The statistics window: a player's form, the spread of his scores and, for club members the
// coach has judged, the points his choices gave away, as plots with the figures beside them.
// It only reads: nothing here is written to the data files.
class TStatForm : public QDialog
{
    Q_OBJECT
public:
    struct Services {
        const SharedData &data;
        MessageBoxes &boxes;
        CoachLoader &coach; // the program's one coach, made ready on first use
    };
    // Where the picture goes; empty when the player changed his mind.
    using FileChooser = std::function<QString(QWidget *parent)>;

    explicit TStatForm(Services services, QWidget *parent = nullptr);

    // Lists the rating's players and shows them modally from the first club member on, or from
    // the top of the rating when the club is empty.
    void showStatistics();
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fill();
    void PlayerComboChange(int index);
    void SavePictureItemClick();

    Services m_services;
    FileChooser m_chooseFile;
    bool m_coachAsked = false;
    std::optional<double> m_bestPlay;

    QComboBox *m_playerCombo;
    QWidget *m_plots;
    PlotFrame *m_formPlot;
    PlotFrame *m_spreadPlot;
    PlotFrame *m_givenAwayPlot;
    QLabel *m_figuresLabel;
    QAction *m_savePictureItem;
};
