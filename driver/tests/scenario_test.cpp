// Reading scenarios: the steps of a sound one, and for each kind of slip
// the one-line error with file and line.
#include "scenario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "VRLib.h"

using lumisim::parseScenario;
using lumisim::ScenarioStep;

namespace {

TEST(Scenario, StepsWithCommentsBlankLinesAndEverySpelling) {
    const auto s = parseScenario(
        "# open the menu\n"
        "\n"
        "wait refresh\n"
        "press Down   # the cursor moves\n"
        "  wait 3 refreshes\n"
        "release DOWN\r\n"
        "press r-taste\n"
        "wait 250 ms\n"
        "wait 40ms\n"
        "release R-Taste\n"
        "press 42\n"
        "release 42\n"
        "wait 1 refresh\n",
        "menu.txt");
    EXPECT_EQ(s.error, "");
    const std::vector<ScenarioStep> expected = {{ScenarioStep::WaitRefreshes, 1},
                                                {ScenarioStep::Press, VR_KEY_DOWN},
                                                {ScenarioStep::WaitRefreshes, 3},
                                                {ScenarioStep::Release, VR_KEY_DOWN},
                                                {ScenarioStep::Press, VR_KEY_R_TASTE},
                                                {ScenarioStep::WaitMs, 250},
                                                {ScenarioStep::WaitMs, 40},
                                                {ScenarioStep::Release, VR_KEY_R_TASTE},
                                                {ScenarioStep::Press, 42},
                                                {ScenarioStep::Release, 42},
                                                {ScenarioStep::WaitRefreshes, 1}};
    EXPECT_EQ(s.steps, expected);
}

TEST(Scenario, EveryKeyName) {
    const char *names[] = {"power", "r-taste", "up", "down", "left", "right", "enter", "back"};
    for (uint32_t code = 1; code <= 8; ++code) EXPECT_EQ(lumisim::scenarioKeyCode(names[code - 1]), code);
    EXPECT_EQ(lumisim::scenarioKeyCode("ok"), 0u);
    EXPECT_EQ(lumisim::scenarioKeyCode("0"), 0u);
}

TEST(Scenario, SlipsAreOneLineNamingFileAndLine) {
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"press up\nprss down\n", "t.txt:2: unknown step \"prss\""},
        {"\n\npress upp\n", "t.txt:3: unknown key \"upp\""},
        {"press\n", "t.txt:1: \"press\" takes one key"},
        {"press up down\n", "t.txt:1: \"press\" takes one key"},
        {"wait\n", "t.txt:1: \"wait\" takes \"<n> ms\", \"refresh\" or \"<n> refreshes\""},
        {"wait 5 s\n", "t.txt:1: \"wait\" takes \"<n> ms\", \"refresh\" or \"<n> refreshes\""},
        {"wait -5 ms\n", "t.txt:1: \"wait\" takes \"<n> ms\", \"refresh\" or \"<n> refreshes\""},
        {"wait 0 refreshes\n", "t.txt:1: \"wait\" takes \"<n> ms\", \"refresh\" or \"<n> refreshes\""},
        {"press up\npress up\n", "t.txt:2: key \"up\" is pressed already"},
        {"# nothing held\nrelease enter\n", "t.txt:2: key \"enter\" is not pressed"},
    };
    for (const auto &c : cases) {
        const auto s = parseScenario(c.text, "t.txt");
        EXPECT_EQ(s.error, c.error) << c.text;
        EXPECT_TRUE(s.steps.empty()) << c.text;
    }
}

TEST(Scenario, UnreadableFilesNameTheFile) {
    const auto missing = lumisim::loadScenario("/nonexistent/keys.txt");
    EXPECT_EQ(missing.error, "/nonexistent/keys.txt: cannot read the scenario (No such file or directory)");
    const auto folder = lumisim::loadScenario("/");
    EXPECT_EQ(folder.error, "/: cannot read the scenario (not a regular file)");
    const auto path = std::filesystem::temp_directory_path() / "lumisim-scenario-test.txt";
    std::ofstream(path) << "press back\nrelease back\n";
    EXPECT_EQ(lumisim::loadScenario(path.string()).steps.size(), 2u);
    std::filesystem::remove(path);
}

}  // namespace
