// ScreenClock: the status-bar clock of every screen.
#include "screen_clock.h"

#include "program_clock.h"

#include <QLabel>
#include <QLocale>
#include <QTimer>

ScreenClock::ScreenClock(QLabel* panel, QObject* parent)
    : QObject(parent)
    , panel_(panel)
    , timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &ScreenClock::Timer1Timer);
    timer_->start();
}

QString ScreenClock::FormatClock(const QDateTime& when)
{
    // The C locale writes AM and PM whatever the machine's language, and
    // "hh" with "AP" is the 12-hour clock where midnight and noon are 12.
    return QLocale::c().toString(when, QStringLiteral("MM/dd  hh:mm AP"));
}

void ScreenClock::Timer1Timer()
{
    panel_->setText(FormatClock(Clock::now()));
}
