#include "competition/tloadform.h"

#include "competition/slotlines.h"
#include "competition/slotrules.h"
#include "platform/dialogstyle.h"
#include "platform/messageboxes.h"
#include "platform/picklist.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TLoadForm::TLoadForm(const SharedData &data, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), m_data(data), m_boxes(boxes), m_slotListBox(new PickList),
      m_okButton(captionedButton(QStringLiteral("OK"), "OKButton"))
{
    setObjectName(QStringLiteral("TLoadForm"));
    setFont(dialogFont());
    m_slotListBox->setObjectName(QStringLiteral("SlotListBox"));
    // Ten lines of at most twenty-seven characters, all visible at once.
    const QFontMetrics metrics(font());
    m_slotListBox->setFixedSize(metrics.horizontalAdvance(QString(30, QLatin1Char('W'))),
                                10 * metrics.height() + 2 * m_slotListBox->frameWidth() + 4);
    m_okButton->setDefault(true);
    auto *cancelButton = captionedButton(QStringLiteral("Отмена"), "CancelButton");

    connect(m_slotListBox, &QListWidget::itemSelectionChanged, this, &TLoadForm::SlotListBoxClick);
    connect(m_okButton, &QPushButton::clicked, this, &TLoadForm::OKButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = closingButtons(m_okButton, cancelButton);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_slotListBox);
    column->addLayout(buttons);
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

int TLoadForm::chooseSlot(Mode mode, const QString &caption)
{
    m_mode = mode;
    m_result = 0;
    setWindowTitle(caption);
    m_slotListBox->setAccessibleName(caption);
    m_slotListBox->clear();
    for (int k = 1; k <= 10; ++k)
        m_slotListBox->addItem(QString::fromStdString(SlotLine(m_data.Slots[std::size_t(k)])));
    // No line is chosen until the user picks one, not even the first when the list gets focus;
    // the first arrow key then goes to line 1.
    m_slotListBox->setCurrentIndex(QModelIndex());
    SlotListBoxClick();
    m_slotListBox->setFocus();
    exec();
    return m_result;
}

int TLoadForm::selectedSlot() const
{
    const QList<QListWidgetItem *> selected = m_slotListBox->selectedItems();
    return selected.isEmpty() ? 0 : m_slotListBox->row(selected.front()) + 1;
}

void TLoadForm::SlotListBoxClick()
{
    const int slot = selectedSlot();
    if (slot == 0)
        m_okButton->setEnabled(false);
    else if (m_mode == Mode::Loading)
        // A slot no dialog could have written is listed but never loaded.
        m_okButton->setEnabled(SlotPlayable(m_data.Slots[std::size_t(slot)]));
    else
        m_okButton->setEnabled(true);
}

void TLoadForm::OKButtonClick()
{
    const int slot = selectedSlot();
    if (slot == 0 || !m_okButton->isEnabled())
        return;
    if (m_mode == Mode::Writing && SlotOccupied(m_data.Slots[std::size_t(slot)]) &&
        !m_boxes.askYesNo("Слот уже занят\r\nЗаписать на него?"))
        return;
    m_result = slot;
    accept();
}
