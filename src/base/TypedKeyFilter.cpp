#include "base/TypedKeyFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace zantrel {

namespace {

class TypedKeys final : public QObject {
public:
    TypedKeys(QLineEdit& edit, std::function<std::optional<QChar>(QChar)> filter)
        : QObject(&edit)
        , edit_(edit)
        , filter_(std::move(filter))
    {
        edit.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().size() != 1 || !key->text().at(0).isPrint())
            return false;
        const QChar typed = key->text().at(0);
        const std::optional<QChar> passed = filter_(typed);
        if (passed && *passed != typed)
            edit_.insert(QString(*passed));
        return !passed || *passed != typed;
    }

private:
    QLineEdit& edit_;
    std::function<std::optional<QChar>(QChar)> filter_;
};

} // namespace

void FilterTypedKeys(QLineEdit& edit, std::function<std::optional<QChar>(QChar)> filter)
{
    new TypedKeys(edit, std::move(filter));
}

} // namespace zantrel
