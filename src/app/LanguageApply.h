#pragma once

#include "base/LanguageTargets.h"

#include <QHash>
#include <QString>

class QObject;
class QWidget;

namespace zantrel {

class LanguageStrings;

// Puts the texts of a language file on the main window, its menus and its dialogs, and
// into the language strings.
class LanguageApplier {
public:
    LanguageApplier(QWidget& window, LanguageStrings& texts);

    // Sets every target of `id`; an id that nothing has is ignored. "\n" in a caption is a
    // line break (a line of the file ends its text).
    void Apply(int id, const QString& text);

    // The object a target names ("Label1" on the main window, "TForm5.Label1" in a
    // dialog); nullptr when there is none.
    QObject* Find(const QString& target) const;
    // The text a target shows now (for a list, its item), or a null string when the
    // target's kind does not fit the object.
    static QString TextOf(QObject& object, const LanguageTarget& target);
    // Sets the target's text; false when its kind does not fit the object.
    static bool Set(QObject& object, const LanguageTarget& target, const QString& text);

private:
    QHash<QString, QObject*> objects_;
    LanguageStrings& texts_;
};

} // namespace zantrel
