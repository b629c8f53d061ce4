// Modal-box driver for the tests.
#include "modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

void WhenModal(std::function<void(QWidget*)> handler)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, before, handler] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        handler(modal);
    });
    poll->start();
}

namespace {
QString BoxText(QWidget* box)
{
    if (auto* message = qobject_cast<QMessageBox*>(box))
        return message->text();
    return {};
}
} // namespace

void AnswerNextBox(const QString& buttonName, QString* text)
{
    WhenModal([buttonName, text](QWidget* box) {
        if (text)
            *text = BoxText(box);
        if (auto* button = box->findChild<QAbstractButton*>(buttonName))
            button->click();
        else
            qWarning("no button %s on the modal box", qPrintable(buttonName));
    });
}

void CloseNextBox(QString* text)
{
    WhenModal([text](QWidget* box) {
        if (text)
            *text = BoxText(box);
        box->close();
    });
}

void EscapeNextBox(QString* text)
{
    WhenModal([text](QWidget* box) {
        if (text)
            *text = BoxText(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
}
