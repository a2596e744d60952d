#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zantrel::test {

// What is wrong with how a shown window lays its controls out, a line per fault naming
// the window, the control (its path of names), the text and the widths:
// - a visible control that reaches outside its parent (and so, in the end, its window);
// - two visible sibling controls that overlap;
// - a caption, label, button, check box, group title, tab caption or list item wider (or,
//   wrapped, taller) than the room its control gives it, measured with the control's font.
// The insides of the toolkit's compound controls (a list's drop-down, a grid's headers
// and scroll bars) are theirs and are not looked into; a grid's cells and headers are.
QStringList LayoutFaults(const QWidget& window);

} // namespace zantrel::test
