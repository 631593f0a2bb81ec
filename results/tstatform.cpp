#include "results/tstatform.h"

#include "coach/coachloader.h"
#include "coach/solverinterface.h"
#include "platform/dialogstyle.h"
#include "platform/messageboxes.h"
#include "platform/palette.h"
#include "platform/plotframe.h"
#include "results/playerstats.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QVBoxLayout>

namespace
{

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

PlotFrame *plot(const char *name, const QString &title, QWidget *parent)
{
    auto *frame = new PlotFrame(title, parent);
    frame->setObjectName(name);
    return frame;
}

// The scores by game number, their moving average and the levels to hold them against.
std::vector<PlotSeries> formSeries(const PlayerStats &stats)
{
    if (stats.form.empty())
        return {};
    std::vector<QPointF> scores, averaged;
    const int first = stats.games - int(stats.form.size()) + 1;
    for (std::size_t i = 0; i < stats.form.size(); ++i) {
        scores.emplace_back(first + int(i), stats.form[i]);
        averaged.emplace_back(first + int(i), stats.movingAverage[i]);
    }
    std::vector<PlotSeries> series{
        {PlotSeries::Style::PointsAndLine, "очки", palette::yellow, scores},
        {PlotSeries::Style::Line, "за 10 игр", palette::aqua, averaged},
        {PlotSeries::Style::Level, "среднее", palette::fuchsia, {{0, stats.average}}}};
    if (stats.bestPlay)
        series.push_back(
            {PlotSeries::Style::Level, "тренер", palette::lime, {{0, *stats.bestPlay}}});
    return series;
}

std::vector<PlotSeries> spreadSeries(const PlayerStats &stats)
{
    if (stats.spread.empty())
        return {};
    std::vector<QPointF> bars;
    for (const ScoreBin &bin : stats.spread)
        bars.emplace_back(bin.from + ScoreBin::kBinWidth / 2.0, bin.count);
    return {{PlotSeries::Style::Bars, "игр", palette::lime, bars, ScoreBin::kBinWidth}};
}

std::vector<PlotSeries> givenAwaySeries(const PlayerStats &stats)
{
    std::vector<QPointF> bars;
    for (std::size_t i = 0; i < stats.givenAway.size(); ++i)
        bars.emplace_back(double(i + 1), stats.givenAway[i]);
    return {{PlotSeries::Style::Bars, "очков за игру", palette::red, bars, 0.7}};
}

QString choosePngFile(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, "Сохранить рисунок",
                                        QDir::home().filePath("статистика.png"),
                                        "Рисунки PNG (*.png)");
}

} // namespace

TStatForm::TStatForm(Services services, QWidget *parent)
    : QDialog(parent), m_services(std::move(services)), m_chooseFile(choosePngFile)
{
    setObjectName("StatForm");
    setWindowTitle("Статистика");
    setFont(dialogFont());

    m_playerCombo = new QComboBox;
    m_playerCombo->setObjectName("PlayerCombo");
    m_playerCombo->setAccessibleName("Игрок");
    auto *playerLabel = new QLabel("&Игрок:");
    playerLabel->setBuddy(m_playerCombo);

    m_plots = new QWidget;
    m_formPlot = plot("FormPlot", "Форма", m_plots);
    m_spreadPlot = plot("SpreadPlot", "Разброс", m_plots);
    m_givenAwayPlot = plot("GivenAwayPlot", "Отдано очков", m_plots);
    auto *plots = new QVBoxLayout(m_plots);
    plots->setContentsMargins(0, 0, 0, 0);
    for (PlotFrame *frame : {m_formPlot, m_spreadPlot, m_givenAwayPlot})
        plots->addWidget(frame);

    m_figuresLabel = new QLabel;
    m_figuresLabel->setObjectName("FiguresLabel");
    m_figuresLabel->setAccessibleName("Показатели");
    m_figuresLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reached by Tab for screen readers; Up and Down still change the player there.
    m_figuresLabel->setFocusPolicy(Qt::TabFocus);

    m_savePictureItem = new QAction("Сохранить рисунок...", this);
    m_savePictureItem->setObjectName("SavePictureItem");
    m_savePictureItem->setShortcut(QKeySequence::Save);
    addAction(m_savePictureItem);
    connect(m_savePictureItem, &QAction::triggered, this, &TStatForm::SavePictureItemClick);

    auto *chooser = new QHBoxLayout;
    chooser->addWidget(playerLabel);
    chooser->addWidget(m_playerCombo, 1);
    auto *body = new QHBoxLayout;
    body->addWidget(m_plots);
    body->addWidget(m_figuresLabel);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(chooser);
    layout->addLayout(body);
    setTabOrder(m_playerCombo, m_formPlot);
    setTabOrder(m_formPlot, m_spreadPlot);
    setTabOrder(m_spreadPlot, m_givenAwayPlot);
    setTabOrder(m_givenAwayPlot, m_figuresLabel);

    connect(m_playerCombo, &QComboBox::currentIndexChanged, this, &TStatForm::PlayerComboChange);
}

void TStatForm::showStatistics()
{
    // The coach's table is made on the first look, never while a game waits for its player.
    if (!m_coachAsked && !m_services.data.gameRunning) {
        m_coachAsked = true;
        m_services.coach.load(parentWidget());
    }
    fill();
    adjustSize();
    centreOnScreen(this);
    m_playerCombo->setFocus();
    exec();
}

void TStatForm::fill()
{
    const SharedData &data = m_services.data;
    m_bestPlay.reset();
    if (const SolverInterface *coach = m_services.coach.loaded())
        m_bestPlay = coach->freshTotal();

    const QSignalBlocker quiet(m_playerCombo);
    m_playerCombo->clear();
    for (int r = 1; r <= data.ratedCount(); ++r) {
        const int entry = data.RatingOrder[std::size_t(r)];
        m_playerCombo->addItem(text(data.Rating[std::size_t(entry)].Name.text()), entry);
    }
    const int firstMember = m_playerCombo->findData(kFirstMemberEntry);
    const int start = data.ClubCount >= 1 && firstMember >= 0 ? firstMember : 0;
    m_playerCombo->setCurrentIndex(start);
    PlayerComboChange(start);
}

void TStatForm::PlayerComboChange(int index)
{
    if (index < 0)
        return;
    const PlayerStats stats =
        StatsOf(m_services.data, m_playerCombo->itemData(index).toInt(), m_bestPlay);
    m_formPlot->setSeries(formSeries(stats), kNoGamesText);
    m_formPlot->setAccessibleDescription(text(FormDescription(stats)));
    m_spreadPlot->setSeries(spreadSeries(stats), kNoGamesText);
    m_spreadPlot->setAccessibleDescription(text(SpreadDescription(stats)));
    m_givenAwayPlot->setSeries(givenAwaySeries(stats));
    m_givenAwayPlot->setAccessibleDescription(text(GivenAwayDescription(stats)));
    m_givenAwayPlot->setVisible(!stats.givenAway.empty());

    QStringList lines;
    for (const std::string &line : FigureLines(stats))
        lines << text(line);
    m_figuresLabel->setText(lines.join('\n'));
    // A label with a name of its own is read by that name alone: the figures go with it.
    m_figuresLabel->setAccessibleDescription(m_figuresLabel->text());
}

void TStatForm::keyPressEvent(QKeyEvent *event)
{
    // Up and Down change the player wherever the focus is in the window.
    const int step = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    if (step == 0 || event->modifiers() != Qt::NoModifier)
        return QDialog::keyPressEvent(event);
    const int index = m_playerCombo->currentIndex() + step;
    if (index >= 0 && index < m_playerCombo->count())
        m_playerCombo->setCurrentIndex(index);
}

void TStatForm::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(m_savePictureItem);
    menu.exec(event->globalPos());
}

void TStatForm::SavePictureItemClick()
{
    QString file = m_chooseFile(this);
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += ".png";
    // The plots as they are on the screen, at its pixel ratio.
    if (!m_plots->grab().save(file, "PNG"))
        m_services.boxes.show(MessageBoxes::Kind::Warning,
                              "Не удается записать файл " + file.toStdString() + " !");
}
