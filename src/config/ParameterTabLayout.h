#pragma once

class QWidget;

namespace zantrel {

// Builds the controls of the tabs "Parametry [F4]" and "Zaawansowane[F5]" on their
// pages: every parameter control with its label and unit in groups, the buttons beside
// them, the description memos, and the hidden twins of the partner edition. Controls
// start as this edition has them: some hidden, some disabled, the lists without a
// choice until the first read.
void BuildParameterTabs(QWidget& parametersPage, QWidget& advancedPage);

} // namespace zantrel
