#include "link/CommandSet.h"

#include "link/EcuLink.h"

#include <array>

namespace zantrel {

namespace {

using L = ArgLayout;
using R = ReplyShape;

constexpr std::array<CommandSpec, 30> kCommands{{
    {'V', L::None, R::Live, 67, "read the live record"},
    {'I', L::None, R::Identify, 5, "identify the controller"},
    {'B', L::None, R::None, 0, "switch to petrol"},
    {'A', L::None, R::None, 0, "switch to automatic petrol/gas"},
    {'G', L::None, R::None, 0, "switch to gas"},
    {'X', L::None, R::None, 0, "clear the stored error codes"},
    {'O', L::Word, R::None, 0, "set the gas-injector disable mask"},
    {'d', L::Index, R::Word, 6, "read parameter word i"},
    {'K', L::Index, R::None, 0, "parameter write, step 1: select index"},
    {'E', L::IndexAndWord, R::None, 0, "parameter write, step 2"},
    {'D', L::IndexAndWord, R::None, 0, "parameter write, step 3"},
    {'P', L::Index, R::ExtendedWord, 6, "read extended word i"},
    {'M', L::Index, R::None, 0, "extended-word write, step 1: select index"},
    {'U', L::ThreeBytes, R::None, 0, "extended-word write, step 2"},
    {'}', L::Index, R::Word, 5, "read map axis point i"},
    {']', L::IndexAndWord, R::None, 0, "write map axis point i"},
    {'L', L::TwoBytes, R::Word, 5, "read one map cell"},
    {'F', L::ThreeBytes, R::None, 0, "write one map cell"},
    {'>', L::Index, R::None, 0, "map-bank store, step 1: select word"},
    {'_', L::IndexAndWord, R::None, 0, "map-bank store, step 2: value"},
    {'2', L::IndexTwice, R::Word, 5, "read correction point i"},
    {'!', L::IndexTwiceByte, R::None, 0, "write correction point i"},
    {'4', L::Index, R::None, 0, "second-bank store, step 1: select word"},
    {'7', L::IndexAndWord, R::None, 0, "second-bank store, step 2: value"},
    {'q', L::Index, R::Word, 5, "read emission word i"},
    {'Q', L::IndexAndWord, R::None, 0, "write emission word i"},
    {'.', L::IndexTwice, R::Word, 5, "read temperature-map breakpoint i"},
    {'|', L::IndexTwice, R::Word, 5, "read temperature-map correction i"},
    {'%', L::IndexTwiceByte, R::None, 0, "write temperature-map breakpoint i"},
    {'^', L::IndexTwiceByte, R::None, 0, "write temperature-map correction i"},
}};

} // namespace

std::span<const CommandSpec> CommandTable()
{
    return kCommands;
}

const CommandSpec* FindCommand(char command)
{
    for (const CommandSpec& spec : CommandTable())
        if (spec.command == command)
            return &spec;
    return nullptr;
}

CommandFrame BuildFrame(char command, int a, int b, int c)
{
    const CommandSpec* spec = FindCommand(command);
    const ArgLayout layout = spec ? spec->layout : ArgLayout::ThreeBytes;
    switch (layout) {
    case ArgLayout::None: return CommandFrame::Make(command);
    case ArgLayout::Index: return CommandFrame::Make(command, quint8(a));
    case ArgLayout::IndexAndWord: return CommandFrame::Make(command, quint8(a), HighByte(b), LowByte(b));
    case ArgLayout::Word: return CommandFrame::Make(command, 0, HighByte(a), LowByte(a));
    case ArgLayout::IndexTwice: return CommandFrame::Make(command, quint8(a), quint8(a));
    case ArgLayout::IndexTwiceByte: return CommandFrame::Make(command, quint8(a), quint8(a), quint8(b));
    case ArgLayout::TwoBytes: return CommandFrame::Make(command, quint8(a), quint8(b));
    case ArgLayout::ThreeBytes: return CommandFrame::Make(command, quint8(a), quint8(b), quint8(c));
    }
    return CommandFrame::Make(command);
}

bool EcuCommands::send(char command, int a, int b, int c)
{
    return link_.SendFrame(BuildFrame(command, a, b, c));
}

bool EcuCommands::ReadLive() { return send('V'); }
bool EcuCommands::Identify() { return send('I'); }
bool EcuCommands::SwitchToPetrol() { return send('B'); }
bool EcuCommands::SwitchToAutomatic() { return send('A'); }
bool EcuCommands::SwitchToGas() { return send('G'); }
bool EcuCommands::ClearErrors() { return send('X'); }
bool EcuCommands::SetInjectorMask(quint16 mask) { return send('O', mask); }
bool EcuCommands::ReadParameter(quint8 index) { return send('d', index); }
bool EcuCommands::ParameterSelect(quint8 index) { return send('K', index); }
bool EcuCommands::ParameterValue(quint8 index, int value) { return send('E', index, value); }
bool EcuCommands::ParameterConfirm(quint8 index, int value) { return send('D', index, value); }
bool EcuCommands::ReadExtended(quint8 index) { return send('P', index); }
bool EcuCommands::ExtendedSelect(quint8 index) { return send('M', index); }
bool EcuCommands::ExtendedValue(quint8 index, int value)
{
    return send('U', index, HighByte(value), LowByte(value));
}
bool EcuCommands::ReadMapPoint(quint8 index) { return send('}', index); }
bool EcuCommands::WriteMapPoint(quint8 index, int value) { return send(']', index, value); }
bool EcuCommands::ReadMapCell(quint8 row, quint8 column) { return send('L', row, column); }
bool EcuCommands::WriteMapCell(quint8 row, quint8 column, quint8 value) { return send('F', row, column, value); }
bool EcuCommands::MapBankSelect(quint8 index) { return send('>', index); }
bool EcuCommands::MapBankValue(quint8 index, int value) { return send('_', index, value); }
bool EcuCommands::ReadCurvePoint(quint8 index) { return send('2', index); }
bool EcuCommands::WriteCurvePoint(quint8 index, quint8 value) { return send('!', index, value); }
bool EcuCommands::SecondBankSelect(quint8 index) { return send('4', index); }
bool EcuCommands::SecondBankValue(quint8 index, int value) { return send('7', index, value); }
bool EcuCommands::ReadEmission(quint8 index) { return send('q', index); }
bool EcuCommands::WriteEmission(quint8 index, int value) { return send('Q', index, value); }
bool EcuCommands::ReadTempBreakpoint(quint8 index) { return send('.', index); }
bool EcuCommands::ReadTempCorrection(quint8 index) { return send('|', index); }

bool EcuCommands::WriteTempBreakpoint(quint8 index, quint8 value)
{
    return index < kTempBreakpoints && send('%', index, value);
}

bool EcuCommands::WriteTempCorrection(quint8 index, quint8 value)
{
    return index < kTempCorrections && send('^', index, value);
}

} // namespace zantrel
