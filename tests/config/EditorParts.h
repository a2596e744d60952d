#pragma once

#include "base/LanguageStrings.h"
#include "config/EditorMembers.h"
#include "config/ParameterEditors.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterTransfer.h"
#include "image/ControllerIdentity.h"
#include "image/ControllerImage.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"

#include "FakeEditorScreen.h"
#include "support/ScriptedPrompter.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace zantrel::test {

class NoView final : public ParameterTransferView {
public:
    void SetProgressMaximum(int) override {}
    void SetProgressPosition(int) override {}
    void StepProgress() override {}
    std::vector<int> RefreshAfterRead() override { return refresh ? refresh() : std::vector<int>{}; }
    void ShowNote(const QString&) override {}
    std::function<std::vector<int>()> refresh;
};

constexpr Separators kComma{u',', u'.'};

// The editors on a fake screen whose lists hold their items, over any link.
struct EditorParts {
    EditorParts(EcuLink& link, VirtualClock& clock, Separators separators = kComma)
        : stepTimer(clock)
        , gate(link, stepTimer)
        , transfer(gate, image, view, prompter, texts)
        , editors(table, transfer, screen, prompter, texts, separators)
    {
        for (const EditorMember& m : EditorMembers())
            if (const ItemList* list = FindItemList(QString::fromLatin1(m.control)))
                screen[m.control].items = list->items;
        for (const TwinControl& t : TwinControls())
            if (const ItemList* list = FindItemList(QString::fromLatin1(t.twin)))
                screen[t.twin].items = list->items;
        view.refresh = [this] { return editors.Refresh(true, identity); };
    }

    PauseStepTimer stepTimer;
    LinkGate gate;
    ControllerImage image;
    ParameterTable& table = image.Parameters();
    NoView view;
    ScriptedPrompter prompter;
    LanguageStrings texts;
    ParameterTransfer transfer;
    FakeEditorScreen screen;
    ParameterEditors editors;
    ControllerIdentity identity{0x43, 37};
};

// A write as the editors send it: the leading pause, "K", 30 ms, "E", 20 ms, "D".
inline QStringList WordWrite(int index, int value, int leadingMs = 10)
{
    const QString i = QStringLiteral("%1").arg(index, 2, 16, QLatin1Char('0'));
    const QString v = QStringLiteral("%1 %2").arg((value >> 8) & 0xFF, 2, 16, QLatin1Char('0')).arg(value & 0xFF, 2, 16, QLatin1Char('0'));
    QStringList steps;
    if (leadingMs > 0)
        steps << QStringLiteral("%1ms").arg(leadingMs);
    steps << QStringLiteral("K %1 00 00").arg(i) << QStringLiteral("30ms") << QStringLiteral("E %1 %2").arg(i, v)
          << QStringLiteral("20ms") << QStringLiteral("D %1 %2").arg(i, v);
    return steps;
}

inline QStringList FramesOf(const QStringList& steps)
{
    QStringList frames;
    for (const QString& s : steps)
        if (!s.endsWith(QLatin1String("ms")))
            frames << s;
    return frames;
}

} // namespace zantrel::test
