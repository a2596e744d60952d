#include "launcher/EcuSimProcess.h"

#include <QDeadlineTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace zantrel::sim {

EcuSimProcess::EcuSimProcess(QStringList arguments)
    : arguments_(std::move(arguments))
{
}

EcuSimProcess::~EcuSimProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2'000);
    }
}

QString EcuSimProcess::executable()
{
    return QStringLiteral(ZANTREL_ECUSIM_PATH);
}

bool EcuSimProcess::start(QString* error, int timeoutMs)
{
    process_.setReadChannel(QProcess::StandardOutput);
#ifdef Q_OS_LINUX
    // The simulator ends with the process that started it, even one that aborts (a test
    // stopped by a sanitizer) and never runs its destructors.
    const pid_t parent = getpid();
    process_.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
    });
#endif
    process_.start(executable(), arguments_);
    if (!process_.waitForStarted(timeoutMs)) {
        *error = QStringLiteral("cannot start %1: %2").arg(executable(), process_.errorString());
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(int(deadline.remainingTime()))) {
            *error = QStringLiteral("no port path printed: %1")
                         .arg(QString::fromLocal8Bit(process_.readAllStandardError()).trimmed());
            return false;
        }
    }
    portPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return true;
}

int EcuSimProcess::stop(int timeoutMs)
{
    if (process_.state() == QProcess::NotRunning)
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    process_.terminate();
    if (!process_.waitForFinished(timeoutMs))
        return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

} // namespace zantrel::sim
