#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zantrel::sim {

// zantrel-ecusim as a child process, for end-to-end tests and benchmarks: starts it,
// reads the slave path it prints, and stops it with SIGTERM.
class EcuSimProcess {
public:
    explicit EcuSimProcess(QStringList arguments = {});
    ~EcuSimProcess();
    EcuSimProcess(const EcuSimProcess&) = delete;
    EcuSimProcess& operator=(const EcuSimProcess&) = delete;

    // Waits up to `timeoutMs` for the path line; false (with the reason) otherwise.
    bool start(QString* error, int timeoutMs = 10'000);
    const QString& portPath() const { return portPath_; }

    // SIGTERM, then waits; the exit code, or -1 when it did not end cleanly.
    int stop(int timeoutMs = 5'000);
    QProcess& process() { return process_; }

    static QString executable();

private:
    QStringList arguments_;
    QProcess process_;
    QString portPath_;
};

} // namespace zantrel::sim
