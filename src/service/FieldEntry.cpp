#include "service/FieldEntry.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zantrel {

namespace {

class EntryKeyFilter final : public QObject {
public:
    EntryKeyFilter(QLineEdit& edit, EntryKind kind, const Separators& separators)
        : QObject(&edit)
        , kind_(kind)
        , separators_(separators)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().size() != 1 || !key->text().at(0).isPrint())
            return false;
        const QChar typed = key->text().at(0);
        const std::optional<QChar> passed = FilterEntryKey(kind_, typed, separators_);
        if (passed && *passed != typed)
            edit->insert(QString(*passed));
        return !passed || *passed != typed;
    }

private:
    EntryKind kind_;
    Separators separators_;
};

} // namespace

void InstallEntryFilter(QLineEdit& edit, EntryKind kind, const Separators& separators)
{
    edit.installEventFilter(new EntryKeyFilter(edit, kind, separators));
}

std::optional<double> NumberOrMessage(const QString& text, EntryKind kind, QChar decimalSeparator, Prompter& prompter,
                                      const LanguageStrings& texts)
{
    const std::optional<double> value = ParseEntry(text, kind, decimalSeparator);
    if (!value)
        prompter.Inform(texts[Text::Error], texts[Text::NotANumber].arg(text));
    return value;
}

} // namespace zantrel
