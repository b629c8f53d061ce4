// TopicScreen: the frame every screen is built on.
#include "topic_screen.h"

#include "cute_button.h"
#include "message_boxes.h"
#include "mode_button.h"
#include "pick_list.h"
#include "prompt_blinker.h"
#include "screen_clock.h"
#include "screen_style.h"

#include <QLabel>
#include <QScreen>
#include <QStatusBar>

namespace {
constexpr int kStatusHeight = 22;
constexpr int kPictureSize = 64;
} // namespace

TopicScreen::TopicScreen(const Frame& frame, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(frame.className);
    setWindowTitle(frame.caption);
    setFixedSize(frame.size);
    setFont(ScreenFont(16));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Palette::ScreenBackground);
    setPalette(palette);
    // No "?" button in the title bar: the program has its own help.
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const int height = frame.size.height();
    const int width = frame.size.width();

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, height - kStatusHeight, width, kStatusHeight);
    statusBar_->setStyleSheet(QStringLiteral("QStatusBar { background: %1; } QStatusBar::item { border: 1px solid #a0a0d0; }")
                                  .arg(Palette::StatusBar.name()));
    auto* emptyPanel = new QLabel(statusBar_);
    emptyPanel->setObjectName(QStringLiteral("StatusPanel0"));
    emptyPanel->setFixedWidth(frame.clockPanelLeft);
    auto* clockPanel = new QLabel(statusBar_);
    clockPanel->setObjectName(QStringLiteral("StatusPanel1"));
    clockPanel->setAlignment(Qt::AlignCenter);
    clockPanel->setFont(ScreenFont(14));
    statusBar_->addWidget(emptyPanel);
    statusBar_->addWidget(clockPanel, 1);
    clock_ = new ScreenClock(clockPanel, this);

    const int pictureTop = height - kStatusHeight - kPictureSize - 8;
    image_ = new QLabel(this);
    image_->setObjectName(frame.imageName);
    image_->setPixmap(QPixmap(QStringLiteral(":/pictures/prompt_face.png")));
    image_->setGeometry(4, pictureTop, kPictureSize, kPictureSize);

    // The prompt line stands right of the picture, 100 pixels above the
    // window's bottom edge (616 on a 716-pixel screen).
    prompt_ = MakeLabel(this, frame.promptName, QString(), Palette::Red, 16, true, 72, height - 100);
    blinker_ = new PromptBlinker(prompt_, frame.blinkInterval, this);

    if (frame.topicButtons) {
        const int top = bottomRowTop();
        auto* back = new CuteButton(this, QStringLiteral("CuteButton2"), QStringLiteral("もくじへ"),
                                    QRect(width - 250, top, 110, 34), Palette::SkyBlue, Palette::Navy);
        auto* quit = new CuteButton(this, QStringLiteral("CuteButton1"), QStringLiteral("おわる"),
                                    QRect(width - 128, top, 110, 34), Palette::Navy, Palette::Cream);
        connect(back, &QPushButton::clicked, this, &QDialog::close);
        connect(quit, &QPushButton::clicked, this, [this] { ConfirmQuit(this); });
    }
}

int TopicScreen::bottomRowTop() const
{
    return height() - kStatusHeight - 46;
}

PickList* TopicScreen::makeMenu(const QStringList& items, const QString& heading)
{
    return new PickList(this, QStringLiteral("ComboBox1"), items, heading, QPoint(700, 24), MenuLook());
}

ModeButton* TopicScreen::makeModeButton()
{
    return new ModeButton(this, QStringLiteral("CuteButton3"), QRect(461, bottomRowTop(), 110, 34));
}

CuteButton* TopicScreen::makeNextButton()
{
    return new CuteButton(this, QStringLiteral("CuteButton4"), QStringLiteral("次へ"),
                          QRect(583, bottomRowTop(), 110, 34), Palette::PaleGreen, Palette::Navy);
}

int TopicScreen::showModally()
{
    FormCreate();
    return exec();
}

void TopicScreen::setPrompt(const QString& text)
{
    blinker_->start(text);
}

QString TopicScreen::promptText() const
{
    return prompt_->text();
}

void TopicScreen::done(int result)
{
    screenClosing();
    QDialog::done(result);
}

void TopicScreen::showEvent(QShowEvent* event)
{
    if (QScreen* desktop = screen()) {
        const QRect area = desktop->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
