#include "link/SerialPorts.h"

#include "files/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

namespace kpt740 {
namespace {

using ::testing::ElementsAre;

std::vector<SerialPortEntry> Ports(std::initializer_list<int> numbers) {
    std::vector<SerialPortEntry> ports;
    for (int n : numbers) {
        ports.push_back({n, "COM" + std::to_string(n), {}});
    }
    return ports;
}

TEST(SerialPorts, ItemTextsAndNumbers) {
    EXPECT_EQ(PortItemText(4), "COM4");
    EXPECT_EQ(PortNumberOfItem("COM123"), 123);
    EXPECT_EQ(PortNumberOfItem("COM7"), 7);
    EXPECT_EQ(PortNumberOfItem("COM"), 0);
    EXPECT_EQ(PortNumberOfItem("COMx"), 0);
    EXPECT_EQ(ComNumberOfPortName("COM3"), 3);
    EXPECT_EQ(ComNumberOfPortName("COM255"), 255);
    EXPECT_EQ(ComNumberOfPortName("COM12 "), 12);
    EXPECT_EQ(ComNumberOfPortName("COM1234"), 123); // at most three characters after "COM"
    EXPECT_EQ(ComNumberOfPortName("LPT"), 0);

    const auto fixed = FixedPortList();
    ASSERT_EQ(fixed.size(), 255U);
    EXPECT_EQ(fixed.front(), "COM1");
    EXPECT_EQ(fixed.back(), "COM255");
}

TEST(SerialPorts, ListExistsFirst) {
    std::vector<std::string> list{"stale"};
    EXPECT_EQ(ListPorts(Ports({4, 1, 123}), list), 4);
    EXPECT_THAT(list, ElementsAre("COM4", "COM1", "COM123"));
    EXPECT_EQ(ListPorts({}, list), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(PortExists(Ports({1, 4}), 4));
    EXPECT_FALSE(PortExists(Ports({1, 4}), 2));
    EXPECT_EQ(FirstPort(Ports({9, 2})), 9);
    EXPECT_EQ(FirstPort({}), 0);
}

TEST(SerialPorts, RememberedPortIsReplacedByTheFirstWhenAbsentUnlessTheListIsFixed) {
    struct Case {
        int remembered;
        bool fixed;
        std::vector<SerialPortEntry> ports;
        int result;
    };
    for (const Case& c : {Case{7, false, Ports({1, 4}), 1}, Case{4, false, Ports({1, 4}), 4},
                          Case{7, false, {}, 0}, Case{0, false, Ports({3}), 3},
                          Case{7, true, {}, 7}, Case{123, false, Ports({5, 123}), 123}}) {
        EXPECT_EQ(ValidateRememberedPort(c.remembered, c.fixed, c.ports), c.result) << c.remembered;
    }
}

TEST(SerialPorts, DialogSelectsTheCurrentPortOrTheFirst) {
    const std::vector<std::string> items{"COM1", "COM4"};
    EXPECT_EQ(SelectPortItem(items, 4), 1);
    EXPECT_EQ(SelectPortItem(items, 9), 0);
    EXPECT_EQ(SelectPortItem({}, 1), -1);
}

TEST(PortMap, DevicesGetTheLowestFreeNumberAndKeepIt) {
    IniFile settings("[language]\ncomPort=2\n[ports]\n2=/dev/ttyS0\nname=x\n");
    EXPECT_TRUE(AssignPortNumbers(settings, {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyUSB1"}));
    EXPECT_EQ(settings.value("ports", "1"), "/dev/ttyUSB0");
    EXPECT_EQ(settings.value("ports", "2"), "/dev/ttyS0");
    EXPECT_EQ(settings.value("ports", "3"), "/dev/ttyUSB1");
    EXPECT_EQ(settings.value("language", "comPort"), "2");
    // Seen again, in another order, nothing changes.
    EXPECT_FALSE(AssignPortNumbers(settings, {"/dev/ttyUSB1", "/dev/ttyUSB0"}));

    // An unplugged device keeps its number; a new one takes the lowest free one.
    settings.removeKey("ports", "1");
    EXPECT_TRUE(AssignPortNumbers(settings, {"/dev/ttyACM0"}));
    EXPECT_EQ(settings.value("ports", "1"), "/dev/ttyACM0");
    EXPECT_EQ(MappedDevicePath(settings, 3), "/dev/ttyUSB1");
    EXPECT_FALSE(MappedDevicePath(settings, 4).has_value());
}

TEST(PortMap, ListsFoundDevicesInTheirOrderThenHandMadeEntriesWhoseDeviceExists) {
    IniFile settings("[ports]\n1=/dev/ttyUSB0\n2=/dev/ttyUSB1\n7=/dev/pts/5\n9=/dev/pts/9\n"
                     "300=/dev/pts/3\nabc=/dev/pts/4\n");
    const std::set<std::string> present{"/dev/pts/5", "/dev/pts/3", "/dev/pts/4"};
    const auto exists = [&](const std::string& path) { return present.contains(path); };
    const auto ports = MappedPorts(settings, {"/dev/ttyUSB1", "/dev/ttyUSB0"}, exists);
    EXPECT_THAT(ports, ElementsAre(SerialPortEntry{2, "/dev/ttyUSB1", {}},
                                   SerialPortEntry{1, "/dev/ttyUSB0", {}},
                                   SerialPortEntry{7, "/dev/pts/5", {}}));
}

using PortMapFile = test::TempDirTest;

TEST_F(PortMapFile, NumbersSurviveARestartThroughTheSettingsFile) {
    const auto file = dir() / "mysetup.ini";
    const auto none = [](const std::string&) { return false; };
    auto first = DiscoverMappedPorts(file, {"/dev/ttyUSB0", "/dev/ttyUSB1"}, none);
    EXPECT_THAT(first, ElementsAre(SerialPortEntry{1, "/dev/ttyUSB0", {}},
                                   SerialPortEntry{2, "/dev/ttyUSB1", {}}));
    auto second = DiscoverMappedPorts(file, {"/dev/ttyUSB1"}, none);
    EXPECT_THAT(second, ElementsAre(SerialPortEntry{2, "/dev/ttyUSB1", {}}));
    EXPECT_EQ(MappedDevicePath(file, 1), "/dev/ttyUSB0");
    EXPECT_FALSE(MappedDevicePath(dir() / "missing.ini", 1).has_value());

    // A hand-made entry for a path that exists is listed.
    ASSERT_TRUE(WriteProfileString(file, "ports", "5", file.string()));
    auto third = DiscoverMappedPorts(file, {});
    EXPECT_THAT(third, ElementsAre(SerialPortEntry{5, file.string(), {}}));
}

} // namespace
} // namespace kpt740
