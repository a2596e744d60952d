#pragma once

#include "link/CommandFrame.h"

#include <span>

namespace zantrel {

class EcuLink;

// Where a command's arguments go in bytes 1..3.
enum class ArgLayout {
    None,           // 0 0 0
    Index,          // i 0 0
    IndexAndWord,   // i hi lo
    Word,           // 0 hi lo
    IndexTwice,     // i i 0
    IndexTwiceByte, // i i v
    TwoBytes,       // a b 0
    ThreeBytes,     // a b c
};

enum class ReplyShape {
    None,         // write: nothing is collected
    Live,         // 67 bytes, "V" ... checksum ";"
    Identify,     // 5 bytes, "I" hw sw x ";"
    Word,         // 6 bytes, "d" index hi lo x ";"
    ExtendedWord, // 6 bytes, "e" index hi lo x ";"
};

struct CommandSpec {
    char command;
    ArgLayout layout;
    ReplyShape reply;
    int expectedCount; // what the caller passes to CollectReply; 0 for writes
    const char* use;
};

// The complete command set, one row per command.
std::span<const CommandSpec> CommandTable();
const CommandSpec* FindCommand(char command);

// Builds a frame by the command's layout. The arguments are read by layout:
// Index/IndexTwice: (i); IndexAndWord/IndexTwiceByte: (i, v); Word: (v);
// TwoBytes: (a, b); ThreeBytes: (a, b, c). Unused arguments are ignored.
CommandFrame BuildFrame(char command, int a = 0, int b = 0, int c = 0);

// The frames the program sends one at a time, outside the fixed sequences (which are
// jobs, see LinkJob). Each builds its frame from the command table and sends it; none
// collects a reply. Each returns what SendFrame returned.
class EcuCommands {
public:
    explicit EcuCommands(EcuLink& link) : link_(link) {}

    bool Send(char command, int a = 0, int b = 0, int c = 0);
    bool ReadLive();                    // "V"
    bool Identify();                    // "I"
    bool ClearErrors();                 // "X"
    bool SetInjectorMask(quint16 mask); // "O"
    bool ReadParameter(quint8 index);   // "d"

    EcuLink& link() { return link_; }

private:
    EcuLink& link_;
};

} // namespace zantrel
