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

// One operation per command: builds its frame and sends it; never collects a reply.
// Each returns what SendFrame returned.
class EcuCommands {
public:
    explicit EcuCommands(EcuLink& link) : link_(link) {}

    bool ReadLive();                                 // "V"
    bool Identify();                                 // "I"
    bool SwitchToPetrol();                           // "B"
    bool SwitchToAutomatic();                        // "A"
    bool SwitchToGas();                              // "G"
    bool ClearErrors();                              // "X"
    bool SetInjectorMask(quint16 mask);              // "O"
    bool ReadParameter(quint8 index);                // "d"
    bool ParameterSelect(quint8 index);              // "K"
    bool ParameterValue(quint8 index, int value);    // "E"
    bool ParameterConfirm(quint8 index, int value);  // "D"
    bool ReadExtended(quint8 index);                 // "P"
    bool ExtendedSelect(quint8 index);               // "M"
    bool ExtendedValue(quint8 index, int value);     // "U"
    bool ReadMapPoint(quint8 index);                 // "}"
    bool WriteMapPoint(quint8 index, int value);     // "]"
    bool ReadMapCell(quint8 row, quint8 column);     // "L"
    bool WriteMapCell(quint8 row, quint8 column, quint8 value); // "F"
    bool MapBankSelect(quint8 index);                // ">"
    bool MapBankValue(quint8 index, int value);      // "_"
    bool ReadCurvePoint(quint8 index);               // "2"
    bool WriteCurvePoint(quint8 index, quint8 value);// "!"
    bool SecondBankSelect(quint8 index);             // "4"
    bool SecondBankValue(quint8 index, int value);   // "7"
    bool ReadEmission(quint8 index);                 // "q"
    bool WriteEmission(quint8 index, int value);     // "Q"
    bool ReadTempBreakpoint(quint8 index);           // "."
    bool ReadTempCorrection(quint8 index);           // "|"
    // The controller has 5 breakpoints and 6 corrections; beyond them nothing is sent.
    bool WriteTempBreakpoint(quint8 index, quint8 value); // "%"
    bool WriteTempCorrection(quint8 index, quint8 value); // "^"

    static constexpr int kTempBreakpoints = 5;
    static constexpr int kTempCorrections = 6;

    EcuLink& link() { return link_; }

private:
    bool send(char command, int a = 0, int b = 0, int c = 0);
    EcuLink& link_;
};

} // namespace zantrel
