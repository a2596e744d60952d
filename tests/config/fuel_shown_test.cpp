#include "FakeEditorScreen.h"

#include "base/LanguageStrings.h"
#include "config/ParameterEditors.h"
#include "config/ParameterTransfer.h"
#include "config/QuietTransferView.h"
#include "image/ControllerIdentity.h"
#include "image/ControllerImage.h"
#include "link/LinkGate.h"
#include "link/StepTimer.h"
#include "sim/SimRig.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <vector>

namespace zantrel {
namespace {

// The temperature presets follow the fuel a user picks and the fuel the refresh shows;
// the refresh writes nothing for them.
TEST(FuelShown, APickAndTheRefreshPassTheFuelOn)
{
    sim::test::SimRig rig;
    PauseStepTimer timer{rig.clock};
    LinkGate gate{rig.link, timer};
    ControllerImage image;
    QuietTransferView view;
    test::ScriptedPrompter prompter;
    LanguageStrings texts;
    ParameterTransfer transfer{gate, image, view, prompter, texts};
    test::FakeEditorScreen screen;
    ParameterEditors editors{image.Parameters(), transfer, screen, prompter, texts, {u',', u'.'}};
    screen["ComboBoxCNGLPG"].items = {QStringLiteral("LPG"), QStringLiteral("CNG")};

    std::vector<quint32> fuels;
    editors.OnFuelShown([&](quint32 fuel) { fuels.push_back(fuel); });
    screen["ComboBoxCNGLPG"].item = 1;
    editors.Choose(u"ComboBoxCNGLPG");
    EXPECT_EQ(fuels, (std::vector<quint32>{1}));

    image.Parameters()[ParameterTable::kShadow47] = 0;
    image.Parameters()[47] = 0;
    rig.clock.setRecording(true);
    editors.Refresh(false, ControllerIdentity{0x43, 37});
    EXPECT_EQ(fuels, (std::vector<quint32>{1, 0}));
    EXPECT_TRUE(rig.clock.frames().isEmpty());
}

} // namespace
} // namespace zantrel
