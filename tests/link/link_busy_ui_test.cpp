#include "link/LinkBusyUi.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"

#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QLineEdit>

namespace zantrel::test {
namespace {

using LinkBusyUiTest = MainWindowFixture;

// While a job holds the link, keys and clicks do not reach the window (nothing the user
// does can go between the job's frames) and the cursor says so; afterwards all is as before.
TEST_F(LinkBusyUiTest, HoldsOffInputWhileAJobRuns)
{
    Start();
    ASSERT_TRUE(link.OpenPort());
    link.SetConnected(true);
    window->SelectTab(TabId::TabSheet3);
    auto* edit = window->findChild<QLineEdit*>(QStringLiteral("EditMinTempPrzel"));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->clear();

    stepTimer.holding = true;
    LinkJob job;
    job.Pause(30).Send('d', 1);
    ASSERT_TRUE(gate->Start(std::move(job), nullptr));
    QTest::keyClicks(edit, "12");
    press("Ctrl+L"); // the fuel change-over would send "G"
    EXPECT_TRUE(edit->text().isEmpty());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);

    stepTimer.RunAll();
    EXPECT_EQ(clock.frames(), QStringList{"d 01 00 00"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(edit->text(), "12");
}

} // namespace
} // namespace zantrel::test
