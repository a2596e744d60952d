#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace zantrel::test {

bool ScriptedPrompter::AskYesNo(const QString& caption, const QString& text)
{
    questions.push_back({caption, text});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: \"" << caption.toStdString() << "\" / \""
                      << text.toStdString() << "\"";
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedPrompter::Inform(const QString& caption, const QString& text)
{
    notices.push_back({caption, text});
}

} // namespace zantrel::test
