#pragma once

class QWidget;

namespace zantrel {

// The editors' key-up stepper on screen: Page Up acts as Shift+Tab and Page Down as Tab
// on `field`; other keys leave the focus where it is.
void ApplyFieldStep(QWidget& field, int qtKey);

} // namespace zantrel
