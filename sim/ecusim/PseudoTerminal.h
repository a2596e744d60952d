#pragma once

#include <QString>

namespace zantrel::sim {

// A raw pseudo-terminal. This process keeps the slave side open as well as the master,
// so programs may open and close the slave path as often as they like without the
// master seeing a hang-up. POSIX only.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open(QString* error);
    void close();

    int master() const { return master_; }
    // Bytes written to the master that the program on the slave side has not read yet.
    int unreadBySlave() const;
    const QString& slavePath() const { return slavePath_; }

    // A symlink to the slave at `path`. An old symlink there is replaced; anything else
    // is left alone and reported.
    bool link(const QString& path, QString* error);
    // Removes the symlink if it still points at this terminal.
    void unlink();

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QString linkPath_;
};

} // namespace zantrel::sim
