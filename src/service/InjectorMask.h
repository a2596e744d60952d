#pragma once

#include "base/LanguageStrings.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace zantrel {

constexpr int kGasInjectors = 8;
// Per injector 1..8 (index 0..7): true when it is switched off.
using InjectorsOff = std::array<bool, kGasInjectors>;

// Inverts the bit of gas injector n (1..8) in the low byte of the disable mask (live
// word 28); the high byte stays as the controller reported it. True when injector n is
// now switched off.
bool ToggleInjector(quint16& mask, int injector);

// "Włączony" or "Wyłączony".
Text InjectorCaption(bool off);

// The question before leaving the diagnostics with injectors switched off, such as
// "Uwaga wtryskiwacz(e) 2 5  zostały wyłączone, kontynuować"; empty when all are on.
QString InjectorsOffQuestion(const InjectorsOff& off, const LanguageStrings& texts);

} // namespace zantrel
