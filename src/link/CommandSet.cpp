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

bool EcuCommands::Send(char command, int a, int b, int c)
{
    return link_.SendFrame(BuildFrame(command, a, b, c));
}

bool EcuCommands::ReadLive() { return Send('V'); }
bool EcuCommands::Identify() { return Send('I'); }
bool EcuCommands::ClearErrors() { return Send('X'); }
bool EcuCommands::SetInjectorMask(quint16 mask) { return Send('O', mask); }
bool EcuCommands::ReadParameter(quint8 index) { return Send('d', index); }

} // namespace zantrel
