// ScreenClock: the date and time in the second panel of a screen's status bar,
// updated every second ("03/07  03:05 PM").
#pragma once

#include <QDateTime>
#include <QObject>

class QLabel;
class QTimer;

class ScreenClock : public QObject
{
    Q_OBJECT
public:
    ScreenClock(QLabel* panel, QObject* parent);

    static QString FormatClock(const QDateTime& when);

    QTimer* timer() const { return timer_; }

public slots:
    void Timer1Timer();

private:
    QLabel* panel_;
    QTimer* timer_;
};
