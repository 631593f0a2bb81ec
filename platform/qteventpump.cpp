#include "platform/qteventpump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

void QtEventPump::waitMs(unsigned ms)
{
    if (ms == 0)
        return;
    const std::chrono::milliseconds pause(ms);
    // Without an application there are no events to handle; just sleep.
    if (!QCoreApplication::instance()) {
        std::this_thread::sleep_for(pause);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(pause, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
