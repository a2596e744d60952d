#include "ecusim/PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zantrel::sim {

namespace {

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PseudoTerminal::~PseudoTerminal()
{
    unlink();
    close();
}

bool PseudoTerminal::open(QString* error)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = systemError("cannot create a pseudo-terminal");
        close();
        return false;
    }
    const char* name = ptsname(master_);
    if (!name) {
        *error = systemError("cannot name the pseudo-terminal");
        close();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    termios t{};
    if (slave_ < 0 || tcgetattr(slave_, &t) != 0) {
        *error = systemError("cannot open the slave side");
        close();
        return false;
    }
    cfmakeraw(&t);
    cfsetispeed(&t, B57600);
    cfsetospeed(&t, B57600);
    tcsetattr(slave_, TCSANOW, &t);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

int PseudoTerminal::unreadBySlave() const
{
    int queued = 0;
    return slave_ >= 0 && ::ioctl(slave_, FIONREAD, &queued) == 0 ? queued : 0;
}

void PseudoTerminal::close()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

bool PseudoTerminal::link(const QString& path, QString* error)
{
    const QFileInfo existing(path);
    if (existing.isSymLink())
        QFile::remove(path);
    else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is not a symlink").arg(path);
        return false;
    }
    if (::symlink(slavePath_.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0) {
        *error = systemError("cannot create the link");
        return false;
    }
    linkPath_ = path;
    return true;
}

void PseudoTerminal::unlink()
{
    if (linkPath_.isEmpty())
        return;
    if (QFileInfo(linkPath_).symLinkTarget() == QFileInfo(slavePath_).absoluteFilePath())
        QFile::remove(linkPath_);
    linkPath_.clear();
}

} // namespace zantrel::sim
