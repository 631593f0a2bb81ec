#include "platform/qtmessageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Waits for the next modal box, notes what it shows, then presses the given button.
void answerNextBox(SeenBox &seen, QMessageBox::StandardButton press)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(box->standardButton(button));
        seen.defaultButton = box->standardButton(box->defaultButton());
        box->button(press)->click();
    });
    poll->start(10);
}

class QtMessageBoxesTest : public testing::Test
{
protected:
    void SetUp() override { QApplication::setApplicationDisplayName("ВЕРТОКС для Windows"); }
    QtMessageBoxes m_boxes;
    SeenBox m_seen;
};

} // namespace

TEST_F(QtMessageBoxesTest, ShowsEachKindWithOneOkAndWindowsLineBreaksAsNewLines)
{
    const std::pair<MessageBoxes::Kind, QMessageBox::Icon> kinds[] = {
        {MessageBoxes::Kind::Information, QMessageBox::Information},
        {MessageBoxes::Kind::Warning, QMessageBox::Warning},
        {MessageBoxes::Kind::Error, QMessageBox::Critical}};
    for (const auto &[kind, icon] : kinds) {
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        m_boxes.show(kind, "Неправильный файл vertoxwn.dat !\r\nРезультаты обнулятся.");
        EXPECT_EQ(seen.icon, icon);
        EXPECT_EQ(seen.title, "ВЕРТОКС для Windows");
        EXPECT_EQ(seen.text, "Неправильный файл vertoxwn.dat !\nРезультаты обнулятся.");
        EXPECT_EQ(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
}

TEST_F(QtMessageBoxesTest, KeepsMarkupCharactersAsTyped)
{
    answerNextBox(m_seen, QMessageBox::Ok);
    m_boxes.show(MessageBoxes::Kind::Information, "<b>Вася</b> & Co");
    EXPECT_EQ(m_seen.format, Qt::PlainText);
    EXPECT_EQ(m_seen.text, "<b>Вася</b> & Co");
}

TEST_F(QtMessageBoxesTest, AskYesNoIsAWarningWithNoAsDefault)
{
    answerNextBox(m_seen, QMessageBox::Yes);
    EXPECT_TRUE(m_boxes.askYesNo("Удалить?"));
    EXPECT_EQ(m_seen.icon, QMessageBox::Warning);
    EXPECT_EQ(m_seen.buttons.size(), 2);
    EXPECT_TRUE(m_seen.buttons.contains(QMessageBox::Yes));
    EXPECT_TRUE(m_seen.buttons.contains(QMessageBox::No));
    EXPECT_EQ(m_seen.defaultButton, QMessageBox::No);

    SeenBox second;
    answerNextBox(second, QMessageBox::No);
    EXPECT_FALSE(m_boxes.askYesNo("Удалить?"));
}
