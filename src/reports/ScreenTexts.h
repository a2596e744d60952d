#pragma once

#include <QString>
#include <QStringView>

namespace zantrel {

// What the reports read of the screen, by control name. The car dialog's controls carry
// the prefix "TForm5."; "Caption" is the main window's caption and a main-menu item
// answers with its caption. The window side resolves the names on the live widgets; the
// tests hand in a fixed screen.
class ScreenTexts {
public:
    virtual ~ScreenTexts() = default;

    // The text of a control or the caption of a label or menu item; empty for a name the
    // screen does not have.
    virtual QString Text(QStringView name) const = 0;
    // The chosen item of a list; -1 when none is chosen.
    virtual int ItemIndex(QStringView name) const = 0;
    // Whether the control is shown on its page.
    virtual bool Shown(QStringView name) const = 0;
};

// A control's text as one field of one line: a tab or a line break in it (a car-data
// text from the controller may hold them) becomes a space, so it cannot shift the
// columns or split the line.
QString OneLineField(QString text);

// The objectName a report's name stands for: the car dialog's controls without their
// prefix, and the few controls this window names otherwise than the report does.
QString ScreenObjectName(QStringView name);
// Whether the name is one of the car dialog's ("TForm5." in front).
bool InCarDialog(QStringView name);

} // namespace zantrel
