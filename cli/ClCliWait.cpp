#include "ClCliWait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

bool ClCliWait::until(const std::function<bool()>& fnDone, int lTimeoutMs)
{
    const QDeadlineTimer clDeadline(lTimeoutMs);
    // A short tick ends each round of the loop so that the condition is looked at again;
    // one timer for the whole wait.
    QEventLoop clLoop;
    QTimer clTick;
    QObject::connect(&clTick, &QTimer::timeout, &clLoop, &QEventLoop::quit);
    clTick.start(5);
    bool bDone = false;
    while (!(bDone = fnDone()) && !clDeadline.hasExpired())
        clLoop.exec();
    return bDone;
}
