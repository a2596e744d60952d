#include "config/ParameterEditorTabs.h"

#include "base/FieldStepFocus.h"
#include "base/ShellWindow.h"
#include "config/ParameterTabLayout.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace zantrel {

namespace {

// The window coming and going, or a list's drop-down opening and closing, is no Enter
// or Exit of a control.
bool movesBetweenControls(const QFocusEvent& focus)
{
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool isFocusKey(int key) { return isEnterKey(key) || key == Qt::Key_PageUp || key == Qt::Key_PageDown; }

// The keypad's keys carry the keypad modifier: its Enter is Enter all the same.
bool withoutModifiers(const QKeyEvent& key) { return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier; }

} // namespace

ParameterEditorTabs::ParameterEditorTabs(ShellWindow& window, ParameterTable& table, ParameterTransfer& transfer,
                                         Prompter& prompter, const LanguageStrings& texts,
                                         const ControllerIdentity& identity)
    : QObject(&window.Widget())
    , window_(window)
    , identity_(identity)
    , screen_(window)
    , editors_(table, transfer, screen_, prompter, texts, window.EntrySeparators())
{
    BuildParameterTabs(*window.Tab(TabId::TabSheet3), *window.Tab(TabId::TabSheet4));
    for (const EditorMember& m : EditorMembers())
        if (QWidget* control = screen_.Find(m.control))
            watch(*control);
    for (const TwinControl& t : TwinControls())
        if (QWidget* control = screen_.Find(t.twin); control && t.sharesHandlers)
            watch(*control);
    editors_.ShowLowRpmFilter(true);
    editors_.RefreshTexts();
    window.OnTextsChanged([this] { editors_.RefreshTexts(); });
}

void ParameterEditorTabs::watch(QWidget& control)
{
    control.installEventFilter(this);
    const QString name = control.objectName();
    if (auto* list = qobject_cast<QComboBox*>(&control)) {
        connect(list, &QComboBox::activated, this, [this, name] { editors_.Choose(name); });
        list->view()->installEventFilter(this);
    } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
        connect(check, &QCheckBox::clicked, this, [this, name] { editors_.Click(name); });
    }
}

std::vector<int> ParameterEditorTabs::RefreshAfterRead()
{
    return editors_.Refresh(true, identity_);
}

bool ParameterEditorTabs::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in an open drop-down picks the item and closes it; the focus then goes on.
    if (auto* view = qobject_cast<QAbstractItemView*>(watched)) {
        auto* list = qobject_cast<QComboBox*>(view->parentWidget() ? view->parentWidget()->parentWidget() : nullptr);
        if (list && event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
            QPointer<QComboBox> guarded(list);
            QTimer::singleShot(0, this, [this, guarded] {
                if (guarded)
                    move(*guarded, editors_.KeyDown(guarded->objectName(), Qt::Key_Return));
            });
        }
        return false;
    }
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    const QString name = control->objectName();
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesBetweenControls(*static_cast<QFocusEvent*>(event)))
            editors_.Enter(name);
        return false;
    case QEvent::FocusOut:
        if (movesBetweenControls(*static_cast<QFocusEvent*>(event)))
            editors_.Exit(name);
        return false;
    case QEvent::KeyPress:
        return keyPress(*control, *static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isEnterKey(key->key()) || key->isAutoRepeat() || enterPressedIn_ != control || !control->hasFocus())
            return false;
        enterPressedIn_ = nullptr;
        move(*control, editors_.KeyUpEnter(name));
        return true;
    }
    default:
        return false;
    }
}

bool ParameterEditorTabs::keyPress(QWidget& control, QKeyEvent& key)
{
    const QString name = control.objectName();
    if (isFocusKey(key.key()) && withoutModifiers(key)) {
        if (isEnterKey(key.key()))
            enterPressedIn_ = &control;
        const FocusMove to = editors_.KeyDown(name, key.key());
        if (to.step == FieldMove::None && !to.control)
            return isEnterKey(key.key()) && qobject_cast<QComboBox*>(&control);
        if (auto* list = qobject_cast<QComboBox*>(&control))
            list->hidePopup();
        move(control, to);
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(&control);
    if (!edit || key.text().size() != 1 || !key.text().at(0).isPrint())
        return false;
    const QChar typed = key.text().at(0);
    const std::optional<QChar> passed = editors_.FilterKey(name, typed);
    if (passed && *passed != typed)
        edit->insert(QString(*passed));
    return !passed || *passed != typed;
}

void ParameterEditorTabs::move(QWidget& from, const FocusMove& to)
{
    if (to.step != FieldMove::None) {
        ApplyFieldStep(from, to.step == FieldMove::Next ? Qt::Key_PageDown : Qt::Key_PageUp);
        return;
    }
    if (!to.control)
        return;
    if (to.tab)
        window_.SelectTab(*to.tab);
    // A control this edition keeps disabled or hidden passes the focus to the next one.
    QWidget* target = screen_.Find(to.control);
    for (int guard = 0; target && guard < 200; ++guard) {
        if (target->isEnabled() && target->isVisibleTo(target->window()) && (target->focusPolicy() & Qt::TabFocus)) {
            target->setFocus(Qt::TabFocusReason);
            return;
        }
        target = target->nextInFocusChain();
    }
}

} // namespace zantrel
