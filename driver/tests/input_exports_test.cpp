// Hard keys through the driver's exports, headless: injected keys, the
// callback's thread and what it may do there, scenarios from LUMISIM_INPUT.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "DDrv_Lumisim.h"
#include "ini_dir_fixture.h"

namespace {

struct Key {
    uint32_t key, pressed;
    bool operator==(const Key &) const = default;
};

std::mutex g_mutex;
std::condition_variable g_changed;
std::vector<Key> g_keys;
std::thread::id g_callbackThread;

void recordKey(uint32_t key, uint32_t pressed) {
    std::lock_guard lock(g_mutex);
    g_keys.push_back({key, pressed});
    g_callbackThread = std::this_thread::get_id();
    g_changed.notify_all();
}

// Waits up to five seconds for n keys.
std::vector<Key> keysAfter(size_t n) {
    std::unique_lock lock(g_mutex);
    g_changed.wait_for(lock, std::chrono::seconds(5), [n] { return g_keys.size() >= n; });
    return g_keys;
}

VR_Status noGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return VR_OK; }

class InputTest : public IniDirTest {
  protected:
    void SetUp() override {
        IniDirTest::SetUp();
        std::lock_guard lock(g_mutex);
        g_keys.clear();
    }
    void TearDown() override {
        IniDirTest::TearDown();
        unsetenv("LUMISIM_INPUT");
    }
    static void useScenario(const char *text) {
        std::ofstream("keys.txt") << text;
        setenv("LUMISIM_INPUT", "keys.txt", 1);
    }
};

TEST_F(InputTest, InjectedKeysReachTheCallbackOnAnotherThreadInOrder) {
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 1), VR_ERR_DRIVER);  // unbound
    ASSERT_EQ(DDrv_InitDriver(noGraphic, recordKey), VR_OK);
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 2), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 0), VR_ERR_DRIVER);  // not pressed
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 1), VR_OK);
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 1), VR_ERR_DRIVER);  // down already
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_ENTER, 1), VR_OK);
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 0), VR_OK);
    EXPECT_EQ(keysAfter(3), (std::vector<Key>{{VR_KEY_UP, 1}, {VR_KEY_ENTER, 1}, {VR_KEY_UP, 0}}));
    EXPECT_NE(g_callbackThread, std::this_thread::get_id());
    // Enter is still held: the shutdown releases it before it returns.
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    std::lock_guard lock(g_mutex);
    EXPECT_EQ(g_keys.back(), (Key{VR_KEY_ENTER, 0}));
    EXPECT_EQ(g_keys.size(), 4u);
}

TEST_F(InputTest, SetHardKeyCallbackRedirectsTheNextKey) {
    ASSERT_EQ(DDrv_InitDriver(noGraphic, hardKey<1>), VR_OK);
    EXPECT_EQ(DDrv_SetHardKeyCallback(recordKey), hardKey<1>);
    ASSERT_EQ(DDrv_InjectHardKey(VR_KEY_BACK, 1), VR_OK);
    EXPECT_EQ(keysAfter(1), (std::vector<Key>{{VR_KEY_BACK, 1}}));
}

// Draws a pixel, refreshes and shuts the driver down from inside the
// callback: all of it must return.
std::atomic<int> g_done{0};
void drawRefreshAndQuit(uint32_t key, uint32_t pressed) {
    if (!pressed) return;
    DDrv_SetPixel(pt(uint16_t(key), 0), colourOf(0x0000FF00));
    DDrv_RefreshDisplay();
    if (key == VR_KEY_BACK) DDrv_DeInitDriver();
    ++g_done;
}

TEST_F(InputTest, CallbackMayDrawRefreshAndEvenShutDown) {
    ASSERT_EQ(DDrv_InitDriver(noGraphic, drawRefreshAndQuit), VR_OK);
    g_done = 0;
    ASSERT_EQ(DDrv_InjectHardKey(VR_KEY_DOWN, 1), VR_OK);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (g_done < 1 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(g_done, 1);
    VR_Colour c{};
    ASSERT_EQ(DDrv_GetPixel(pt(VR_KEY_DOWN, 0), &c), VR_OK);
    EXPECT_EQ(wordOf(c), 0x0000FF00u);
    ASSERT_EQ(DDrv_InjectHardKey(VR_KEY_BACK, 1), VR_OK);
    while (g_done < 2 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(g_done, 2);
    EXPECT_EQ(DDrv_InjectHardKey(VR_KEY_UP, 1), VR_ERR_DRIVER);  // unbound now
}

TEST_F(InputTest, ScenarioWaitsForTheApplicationsRefreshes) {
    useScenario(
        "wait refresh      # the first screen\n"
        "press up\n"
        "wait refresh\n"
        "release up\n"
        "press enter\n"
        "release enter\n");
    ASSERT_EQ(DDrv_InitDriver(noGraphic, recordKey), VR_OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(keysAfter(0).empty()) << "a key came before the first refresh";
    ASSERT_EQ(DDrv_RefreshDisplay(), VR_OK);
    EXPECT_EQ(keysAfter(1), (std::vector<Key>{{VR_KEY_UP, 1}}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(keysAfter(0).size(), 1u) << "the release came before the second refresh";
    ASSERT_EQ(DDrv_RefreshDisplay(), VR_OK);
    EXPECT_EQ(keysAfter(4),
              (std::vector<Key>{{VR_KEY_UP, 1}, {VR_KEY_UP, 0}, {VR_KEY_ENTER, 1}, {VR_KEY_ENTER, 0}}));
}

TEST_F(InputTest, ScenarioWaitingForARefreshThatNeverComesEndsWithTheShutdown) {
    useScenario("press power\nwait 5 refreshes\nrelease power\n");
    ASSERT_EQ(DDrv_InitDriver(noGraphic, recordKey), VR_OK);
    ASSERT_EQ(keysAfter(1).size(), 1u);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(keysAfter(2), (std::vector<Key>{{VR_KEY_POWER, 1}, {VR_KEY_POWER, 0}}));
}

TEST_F(InputTest, MalformedOrUnreadableScenarioIsOneLineAnd258) {
    const struct {
        const char *text;  // null: no file at all
        const char *line;
    } cases[] = {
        {"press up\nrelease up\nwiat refresh\n", "DDrv_Lumisim: keys.txt:3: unknown step \"wiat\"\n"},
        {"press ok\n", "DDrv_Lumisim: keys.txt:1: unknown key \"ok\"\n"},
        {nullptr, "DDrv_Lumisim: keys.txt: cannot read the scenario (No such file or directory)\n"},
    };
    for (const auto &c : cases) {
        if (c.text)
            useScenario(c.text);
        else
            std::filesystem::remove("keys.txt");
        setenv("LUMISIM_INPUT", "keys.txt", 1);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(DDrv_InitDriver(noGraphic, recordKey), VR_ERR_DRIVER);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.line);
        EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(0)), VR_ERR_DRIVER) << "the driver came up";
    }
}

}  // namespace
