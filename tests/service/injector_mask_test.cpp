#include "base/LanguageStrings.h"
#include "service/InjectorMask.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

TEST(InjectorMask, AClickInvertsOneBitOfTheLowByteAndKeepsTheHighByte)
{
    quint16 mask = 0x0100;
    EXPECT_TRUE(ToggleInjector(mask, 2));
    EXPECT_EQ(mask, 0x0102);
    EXPECT_TRUE(ToggleInjector(mask, 8));
    EXPECT_EQ(mask, 0x0182);
    EXPECT_FALSE(ToggleInjector(mask, 2));
    EXPECT_EQ(mask, 0x0180);
    EXPECT_TRUE(ToggleInjector(mask, 1));
    EXPECT_EQ(mask, 0x0181);

    mask = 0xFFFF;
    for (int n = 1; n <= kGasInjectors; ++n)
        EXPECT_FALSE(ToggleInjector(mask, n)) << n;
    EXPECT_EQ(mask, 0xFF00);
}

TEST(InjectorMask, CaptionsFollowTheState)
{
    const LanguageStrings texts;
    EXPECT_EQ(texts[InjectorCaption(false)], QString::fromUtf8("Włączony"));
    EXPECT_EQ(texts[InjectorCaption(true)], QString::fromUtf8("Wyłączony"));
}

TEST(InjectorMask, TheExitQuestionNamesTheInjectorsSwitchedOff)
{
    LanguageStrings texts;
    InjectorsOff off{};
    EXPECT_TRUE(InjectorsOffQuestion(off, texts).isEmpty());

    off[1] = off[4] = true;
    EXPECT_EQ(InjectorsOffQuestion(off, texts),
              QString::fromUtf8("Uwaga wtryskiwacz(e) 2 5  zostały wyłączone, kontynuować"));

    off.fill(true);
    ASSERT_TRUE(texts.SetById(10606, QStringLiteral("Warning: injector(s)")));
    ASSERT_TRUE(texts.SetById(10607, QStringLiteral("are off, go on?")));
    EXPECT_EQ(InjectorsOffQuestion(off, texts), QStringLiteral("Warning: injector(s) 1 2 3 4 5 6 7 8  are off, go on?"));
}

} // namespace
} // namespace zantrel::test
