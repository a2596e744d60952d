// The main window's language items: the steps of choosing a language.
#include "app/MainWindow.h"

#include "app/LanguageApply.h"
#include "app/LanguageTable.h"
#include "app/QtTranslation.h"
#include "base/CodePage.h"
#include "base/LanguageFile.h"
#include "base/LanguageStrings.h"
#include "base/LanguageTargets.h"
#include "base/Prompter.h"
#include "layout/ScreenLayout.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace zantrel {

namespace {

// A language file is a few hundred lines; anything far larger is not one.
constexpr qint64 kLanguageFileMaxBytes = 16 * 1024 * 1024;

constexpr const char* kRecordingButtons[] = {"ButtonZapiszRamke", "ButtonPauzujRamke", "ButtonZatrzymajRamke"};

// The lists whose items a language file replaces, each with the item it shows.
std::vector<std::pair<QComboBox*, int>> listSelections(const LanguageApplier& applier)
{
    std::vector<std::pair<QComboBox*, int>> selections;
    for (const LanguageTarget& target : LanguageTargets()) {
        if (target.kind != TargetKind::Item)
            continue;
        auto* list = qobject_cast<QComboBox*>(applier.Find(QString::fromLatin1(target.target)));
        const auto kept = [list](const std::pair<QComboBox*, int>& s) { return s.first == list; };
        if (list && std::none_of(selections.begin(), selections.end(), kept))
            selections.emplace_back(list, list->currentIndex());
    }
    return selections;
}

} // namespace

void TForm1::OnTextsChanged(std::function<void()> refresh)
{
    textRefreshers_.push_back(std::move(refresh));
}

void TForm1::ChooseLanguage(int code)
{
    const LanguageRow* chosen = LanguageForCode(code);
    if (!chosen)
        return;
    LanguageApplier applier(*this, texts_);
    const std::vector<std::pair<QComboBox*, int>> selections = listSelections(applier);

    for (const LanguageRow& row : Languages())
        MenuItem(QString::fromLatin1(row.menuItem))->setChecked(&row == chosen);
    // Fonts hold every script here; what remains of the character set is the number the
    // recording buttons show as hints until the file names them.
    for (const char* name : kRecordingButtons)
        if (auto* button = findChild<QToolButton*>(QString::fromLatin1(name)))
            button->setToolTip(QString::number(chosen->characterSet));

    QDir::setCurrent(workingDirectory_);
    texts_.SetLanguage(code);
    ReadLanguage(*chosen, applier);
    LoadQtTranslation(*QCoreApplication::instance(), QString::fromLatin1(chosen->qtLanguage));

    for (const std::function<void()>& refresh : textRefreshers_)
        refresh();
    for (const auto& [list, item] : selections)
        list->setCurrentIndex(item);
    // Longer or shorter captions: the advanced tab's groups are arranged again.
    screenLayout_->RearrangeAdvancedTab();
    SaveLanguageCode(workingDirectory_, code);
}

void TForm1::ReadLanguage(const LanguageRow& language, LanguageApplier& applier)
{
    const QString path = QDir(shippedDirectory_).filePath(QStringLiteral("lang/") + QString::fromLatin1(language.file));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLanguageFileMaxBytes) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::Error] + QStringLiteral(": ") + path);
        return;
    }
    const LanguageFileContents contents =
        ReadLanguageFile(file.readAll(), CodePage::Of(CodePageOfLanguage(language.code)));
    for (const LanguageLine& line : contents.lines)
        applier.Apply(line.id, line.text);
    if (contents.stoppedAt)
        prompter_.Inform(texts_[Text::Error], texts_[Text::LanguageLineBroken].arg(path).arg(*contents.stoppedAt));
}

} // namespace zantrel
