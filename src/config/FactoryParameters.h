#pragma once

namespace zantrel {

class ParameterTable;

// Fills the table with the factory values of the index table, the way the factory reset
// does before it writes them: word 21 first (words 14 and 44 are periods for it), the
// counters 35..38 and words 54..63 kept. The word-22 shadow takes the factory flags A,
// the word-51 shadow is cleared, and the word-47 shadow loses its fuel bit (LPG) and its
// reducer-freezing bit; its other bits stay.
void ApplyFactoryValues(ParameterTable& table);

} // namespace zantrel
