#pragma once

namespace zantrel {

class LinkGate;
class ParameterTable;

// A click on the map tab selects the load + RPM map in the controller: bits 2..3 of word
// 47 become 1 in its shadow slot, the shadow is copied into the word, and the word is
// written after a 10 ms pause, through the link gate (refused while a job runs).
bool SelectLoadRpmMapOnTabClick(ParameterTable& table, LinkGate& gate);

} // namespace zantrel
