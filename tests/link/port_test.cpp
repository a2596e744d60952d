#include "link/EcuLink.h"
#include "link/PortNames.h"
#include "link/VirtualClock.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

namespace zantrel {
namespace {

class PortTest : public ::testing::Test {
protected:
    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
};

TEST_F(PortTest, StartsClosedOnCom1WithTheDefaultLastPort)
{
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(link.Connected());
    EXPECT_EQ(link.PortSlot(), 0);
    EXPECT_EQ(link.PortName(), "COM1");
    EXPECT_EQ(link.LastPortName(), "\\\\.\\COM8");
}

TEST_F(PortTest, CloseTwiceSecondCallDoesNothing)
{
    ASSERT_TRUE(link.OpenPort());
    link.SetConnected(true);
    EXPECT_TRUE(link.ClosePort());
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(link.Connected());
    EXPECT_FALSE(link.ClosePort());
}

TEST_F(PortTest, CloseOfAPortThatNeverOpenedLeavesTheFlags)
{
    link.SetConnected(true);
    EXPECT_FALSE(link.ClosePort());
    EXPECT_TRUE(link.Connected());
}

TEST_F(PortTest, OpenClearsConnectedEitherWay)
{
    link.SetConnected(true);
    ASSERT_TRUE(link.OpenPort());
    EXPECT_FALSE(link.Connected());

    io.absentDevices << DeviceForPortName("COM2");
    link.SelectPortSlot(1);
    EXPECT_FALSE(link.PortOpen()); // selecting a slot closes the open port
    link.SetConnected(true);
    EXPECT_FALSE(link.OpenPort());
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(link.Connected());
}

TEST_F(PortTest, SlotSevenUsesTheCurrentLastPortName)
{
    link.SetLastPortName(LastPortNameForNumber(12));
    link.SelectPortSlot(7);
    EXPECT_EQ(link.PortName(), "\\\\.\\COM12");
    link.SelectPortSlot(2);
    EXPECT_EQ(link.PortName(), "COM3");
    link.SetLastPortName("/dev/pts/7");
    link.SelectPortSlot(7);
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(io.openedDevices.last(), "/dev/pts/7");
}

TEST(PortNames, MapsComNamesToDevices)
{
    struct Case { const char* name; const char* device; int number; };
    const Case cases[] = {
#ifdef Q_OS_WIN
        {"COM1", "COM1", 1},
        {"\\\\.\\COM12", "\\\\.\\COM12", 12},
#else
        {"COM1", "/dev/ttyS0", 1},
        {"COM7", "/dev/ttyS6", 7},
        {"\\\\.\\COM12", "/dev/ttyS11", 12},
        {"\\\\.\\COM256", "/dev/ttyS255", 256},
        {"\\\\.\\COM1000", "/dev/ttyS999", 1000},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", 0},
        {"/tmp/ecu", "/tmp/ecu", 0},
#endif
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceForPortName(c.name), c.device) << c.name;
        EXPECT_EQ(ComNumberOf(c.name), c.number) << c.name;
    }
}

} // namespace
} // namespace zantrel
