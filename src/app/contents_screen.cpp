// TForm1: the contents screen.
#include "contents_screen.h"

#include "cute_button.h"
#include "help_window.h"
#include "message_boxes.h"
#include "program_folder.h"
#include "screen_style.h"
#include "sound_cue.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {
struct TopicButton {
    int number;        // CuteButtonN
    const char* caption;
    bool drill;        // drills are sky blue, lessons pale green
};

struct Chapter {
    int labelNumber;   // LabelN
    const char* heading;
    bool rightColumn;
    std::initializer_list<TopicButton> buttons;
};

const Chapter kChapters[] = {
    {6, "１．小数", false,
     {{3, "小数のしくみ", false}, {4, "10倍、1/10など", false}, {5, "かけ算", false},
      {6, "かけ算のドリル", true}, {7, "わり算", false}, {8, "わり算のドリル", true}}},
    {7, "２．計算のきまり", false, {{9, "きまりとくふう", false}}},
    {8, "３．がい数の計算", false, {{10, "たし算とひき算", false}}},
    {9, "４．図形", false,
     {{11, "三角形などの角度", false}, {12, "三角形などの面積", false}, {13, "円の長さと面積", false}}},
    {10, "５．分数", true, {{14, "たし算とひき算", false}, {15, "ドリル", true}}},
    {11, "６．割合", true, {{16, "百分率", false}, {17, "ドリル", true}}},
    {12, "７．分数と小数", true, {{18, "わり算と分数と小数", false}}},
};

constexpr int kFirstRow = 100;
constexpr int kRowStep = 38;
constexpr int kChapterGap = 16;
constexpr int kButtonWidth = 215;
constexpr int kButtonHeight = 30;
} // namespace

TForm1::TForm1(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm1"),
                   .caption = QStringLiteral("Kazerumi"),
                   .size = {955, 716},
                   .promptName = QStringLiteral("Label5"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 500,
                   .clockPanelLeft = 680,
                   .topicButtons = false},
                  parent)
{
    menu_ = new QMenuBar(this);
    menu_->setObjectName(QStringLiteral("MainMenu1"));
    menu_->setFont(ScreenFont(14));
    QMenu* helpMenu = menu_->addMenu(QStringLiteral("ヘルプ"));
    helpMenu->setFont(ScreenFont(14));
    QAction* tutorial = helpMenu->addAction(QStringLiteral("使い方"), this, &TForm1::utorial1Click);
    tutorial->setObjectName(QStringLiteral("utorial1"));
    QAction* about = helpMenu->addAction(QStringLiteral("バージョン情報"), this, &TForm1::About1Click);
    about->setObjectName(QStringLiteral("About1"));
    menu_->setGeometry(0, 0, width(), menu_->sizeHint().height());

    QLabel* title = MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("もくじ"), Palette::Navy, 27, true, 0, 44);
    title->move((width() - title->width()) / 2, title->y());

    int rowLeft = kFirstRow;
    int rowRight = kFirstRow;
    for (const Chapter& chapter : kChapters) {
        int& row = chapter.rightColumn ? rowRight : rowLeft;
        const int headingX = chapter.rightColumn ? 494 : 38;
        const int buttonX = chapter.rightColumn ? 666 : 234;
        QLabel* heading = MakeLabel(this, QStringLiteral("Label%1").arg(chapter.labelNumber),
                                    QString::fromUtf8(chapter.heading), Palette::Navy, 21, true, headingX, row);
        heading->move(headingX, row + (kButtonHeight - heading->height()) / 2);
        for (const TopicButton& topic : chapter.buttons) {
            auto* button = new CuteButton(this, QStringLiteral("CuteButton%1").arg(topic.number),
                                          QString::fromUtf8(topic.caption),
                                          QRect(buttonX, row, kButtonWidth, kButtonHeight),
                                          topic.drill ? Palette::SkyBlue : Palette::PaleGreen, Palette::Navy, 21);
            button->setEnabled(false);
            const int index = topic.number - 3;
            buttons_[index] = button;
            connect(button, &QPushButton::clicked, this, [this, index] {
                if (screens_[index])
                    screens_[index]->showModally();
            });
            row += kRowStep;
        }
        row += kChapterGap;
    }

    auto* quit = new CuteButton(this, QStringLiteral("CuteButton2"), QStringLiteral("おわる"),
                                QRect(width() - 128, bottomRowTop(), 110, 34), Palette::Navy, Palette::Cream);
    connect(quit, &QPushButton::clicked, this, [this] { ConfirmQuit(this); });

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, &TForm1::Timer3Timer);

    promptImage()->hide();
    FormCreate();
}

void TForm1::FormCreate()
{
    SetSoundEnabled(false);
    promptImage()->show();
    setPrompt(QStringLiteral("「ボタン」を選んで はじめてね！"));
    timer3_->start();
}

QString TForm1::HelpFileName()
{
    return ProgramFolder() + QStringLiteral("Kazerumi.html");
}

void TForm1::setTopicScreen(int buttonNumber, TopicScreen* screen)
{
    const int index = buttonNumber - 3;
    screens_[index] = screen;
    buttons_[index]->setEnabled(screen != nullptr);
}

CuteButton* TForm1::topicButton(int buttonNumber) const
{
    return buttons_[buttonNumber - 3];
}

void TForm1::Timer3Timer()
{
    SetSoundEnabled(true);
    SoundCue(CueStartup);
    timer3_->stop();
}

void TForm1::utorial1Click()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->openAtContents(HelpFileName());
}

void TForm1::About1Click()
{
    ShowInformation(this, QStringLiteral("Kazerumi\nVersion 1.1"));
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Esc would close the main window and end the program without asking.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    TopicScreen::keyPressEvent(event);
}
