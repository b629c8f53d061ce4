// Message boxes with Japanese button captions, and the quit confirmation.
#include "message_boxes.h"

#include "screen_style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QString kBoxTitle = QStringLiteral("Kazerumi");

// A yes/no box where Esc means いいえ while the close box means はい: a plain
// QMessageBox ties both to one escape button.
class YesNoBox : public QMessageBox
{
public:
    YesNoBox(QWidget* parent, const QString& text)
        : QMessageBox(QMessageBox::Question, kBoxTitle, text, QMessageBox::NoButton, parent)
    {
        setObjectName(QStringLiteral("YesNoBox"));
        setFont(ScreenFont(16));
        yes_ = addButton(QStringLiteral("はい"), QMessageBox::YesRole);
        no_ = addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
        yes_->setObjectName(QStringLiteral("YesButton"));
        no_->setObjectName(QStringLiteral("NoButton"));
        setDefaultButton(yes_);
        setEscapeButton(yes_); // what the close box counts as
    }

    bool answeredNo() const { return clickedButton() == no_; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) {
            no_->click();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

private:
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
};

void ShowOkBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, kBoxTitle, text, QMessageBox::NoButton, parent);
    box.setFont(ScreenFont(16));
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

std::function<void()>& QuitAction()
{
    static std::function<void()> action = [] {
        // Leaving every event loop closes the open topic screen's modal loop
        // and then the program's main loop.
        QCoreApplication::exit(0);
    };
    return action;
}
} // namespace

void ShowInformation(QWidget* parent, const QString& text)
{
    ShowOkBox(parent, QMessageBox::Information, text);
}

void ShowMessage(QWidget* parent, const QString& text)
{
    ShowOkBox(parent, QMessageBox::NoIcon, text);
}

void ShowWarning(QWidget* parent, const QString& text)
{
    ShowOkBox(parent, QMessageBox::Warning, text);
}

bool AskYesNo(QWidget* parent, const QString& text)
{
    YesNoBox box(parent, text);
    box.exec();
    return !box.answeredNo();
}

void ConfirmQuit(QWidget* parent, const QString& message)
{
    if (AskYesNo(parent, message))
        QuitAction()();
}

void SetQuitAction(std::function<void()> action)
{
    QuitAction() = std::move(action);
}
