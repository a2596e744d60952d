#include "link/Pause.h"

#include <QThread>

namespace zantrel {

void RealPause::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace zantrel
