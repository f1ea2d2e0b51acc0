// Hard keys from the window under the offscreen platform: synthesised
// mouse and keyboard events, the keys the callback sees for them, the
// pressed look, zoom and the board picture's lookup.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <condition_variable>
#include <mutex>
#include <sstream>

#include "window_fixture.h"

using namespace wintest;
using lumisim::GuiThread;

namespace {

lumisim::CDisplay *display() { return GuiThread::instance().display(); }

struct Key {
    uint32_t key, pressed;
    bool operator==(const Key &) const = default;
};
std::ostream &operator<<(std::ostream &out, const Key &k) {
    return out << "{" << k.key << ", " << k.pressed << "}";
}

std::mutex g_mutex;
std::condition_variable g_changed;
std::vector<Key> g_keys;

// The driver's own lines of what went to standard error (Qt adds some).
std::string driverLines(const std::string &err) {
    std::istringstream in(err);
    std::string out;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("DDrv_Lumisim:", 0) == 0) out += line + "\n";
    return out;
}

void recordKey(uint32_t key, uint32_t pressed) {
    std::lock_guard lock(g_mutex);
    g_keys.push_back({key, pressed});
    g_changed.notify_all();
}

// The keys seen once n have come (or five seconds passed), then a little
// longer, so that an extra key would show too.
std::vector<Key> keysAfter(size_t n) {
    std::unique_lock lock(g_mutex);
    g_changed.wait_for(lock, std::chrono::seconds(5), [n] { return g_keys.size() >= n; });
    g_changed.wait_for(lock, std::chrono::milliseconds(30), [n] { return g_keys.size() > n; });
    return std::exchange(g_keys, {});
}

void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    onGui([=] {
        QWidget *view = display()->childAt(at);
        ASSERT_NE(view, nullptr);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), display()->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    });
}

void key(QEvent::Type type, int qtKey, bool autoRepeat = false) {
    onGui([=] {
        QKeyEvent event(type, qtKey, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(display(), &event);
    });
}

QRect powerRect() {
    return onGui([] { return display()->powerButton()->geometry(); });
}
QRect rTasteRect() {
    return onGui([] { return display()->rTasteButton()->geometry(); });
}

class HardKeyWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::lock_guard lock(g_mutex);
        g_keys.clear();
    }
    void TearDown() override {
        WindowTest::TearDown();
        unsetenv("LUMISIM_ZOOM");
        unsetenv("LUMISIM_BOARD_DIR");
    }
    void initWithKeys(DDrv_HardKeyCallback callback = recordKey) {
        ASSERT_EQ(DDrv_InitDriver(fillSquare, callback), 0);
        board_ = onGui(
            [] { return QImage(QStringLiteral("Board_320_240.bmp")).convertToFormat(QImage::Format_RGB32); });
    }
};

TEST_F(HardKeyWindowTest, ButtonsAndEveryDefaultKeyGiveOnePressAndOneRelease) {
    initWithKeys();
    EXPECT_EQ(powerRect(), QRect(QPoint(10, 312), QSize(185, 25)));
    EXPECT_EQ(rTasteRect(), QRect(QPoint(205, 312), QSize(175, 25)));
    for (const auto &[rect, code] : {std::pair{powerRect(), VR_KEY_POWER}, {rTasteRect(), VR_KEY_R_TASTE}}) {
        mouse(QEvent::MouseButtonPress, rect.center());
        mouse(QEvent::MouseButtonRelease, rect.center());
        EXPECT_EQ(keysAfter(2), (std::vector<Key>{{uint32_t(code), 1}, {uint32_t(code), 0}})) << code;
    }
    const struct {
        int qtKey;
        uint32_t code;
    } keys[] = {{Qt::Key_P, VR_KEY_POWER},       {Qt::Key_R, VR_KEY_R_TASTE},   {Qt::Key_Up, VR_KEY_UP},
                {Qt::Key_Down, VR_KEY_DOWN},     {Qt::Key_Left, VR_KEY_LEFT},   {Qt::Key_Right, VR_KEY_RIGHT},
                {Qt::Key_Return, VR_KEY_ENTER},  {Qt::Key_Enter, VR_KEY_ENTER}, {Qt::Key_Escape, VR_KEY_BACK},
                {Qt::Key_Backspace, VR_KEY_BACK}};
    for (const auto &k : keys) {
        key(QEvent::KeyPress, k.qtKey);
        key(QEvent::KeyRelease, k.qtKey);
        EXPECT_EQ(keysAfter(2), (std::vector<Key>{{k.code, 1}, {k.code, 0}})) << k.qtKey;
    }
    // Neither a right click on a button nor an unmapped key presses anything.
    mouse(QEvent::MouseButtonPress, powerRect().center(), Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, powerRect().center(), Qt::RightButton);
    key(QEvent::KeyPress, Qt::Key_X);
    key(QEvent::KeyRelease, Qt::Key_X);
    EXPECT_TRUE(keysAfter(0).empty());
    EXPECT_TRUE(onGui([] { return display()->isVisible(); }));  // Escape did not close it
}

TEST_F(HardKeyWindowTest, HeldButtonLooksPressedOnTheBoardOnly) {
    initWithKeys();
    const QRect power = powerRect();
    mouse(QEvent::MouseButtonPress, power.center());
    ASSERT_EQ(keysAfter(1).size(), 1u);
    DDrv_RefreshDisplay();  // a refresh meanwhile keeps the look
    const QImage held = grabWindow();
    int changedInside = 0, changedOutside = 0;
    for (int y = 0; y < held.height(); ++y)
        for (int x = 0; x < held.width(); ++x) {
            if (QRect(40, 40, 320, 240).contains(x, y)) continue;  // the panel
            const bool changed = held.pixel(x, y) != board_.pixel(x, y);
            (power.contains(x, y) ? changedInside : changedOutside) += changed;
        }
    EXPECT_GT(changedInside, power.width() * power.height() / 2);
    EXPECT_EQ(changedOutside, 0);
    // The frame buffer's dump source, the picture, stays unpressed.
    EXPECT_EQ(onGui([] { return display()->picture().copy(10, 312, 185, 25); }),
              board_.copy(10, 312, 185, 25));
    mouse(QEvent::MouseButtonRelease, power.center());
    ASSERT_EQ(keysAfter(1).size(), 1u);
    EXPECT_EQ(grabWindow().copy(power), board_.copy(power));
}

TEST_F(HardKeyWindowTest, LeavingFocusLossAndClosingEachReleaseOnce) {
    initWithKeys();
    // Sliding off a held button releases it; letting go later adds nothing.
    mouse(QEvent::MouseButtonPress, powerRect().center());
    mouse(QEvent::MouseMove, QPoint(200, 100));
    mouse(QEvent::MouseButtonRelease, QPoint(200, 100));
    EXPECT_EQ(keysAfter(2), (std::vector<Key>{{VR_KEY_POWER, 1}, {VR_KEY_POWER, 0}}));

    // Focus loss with a button and a key held: both released.
    mouse(QEvent::MouseButtonPress, rTasteRect().center());
    key(QEvent::KeyPress, Qt::Key_Up);
    onGui([] {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(display(), &deactivate);
    });
    mouse(QEvent::MouseButtonRelease, rTasteRect().center());
    key(QEvent::KeyRelease, Qt::Key_Up);
    EXPECT_EQ(keysAfter(4),
              (std::vector<Key>{{VR_KEY_R_TASTE, 1}, {VR_KEY_UP, 1}, {VR_KEY_UP, 0}, {VR_KEY_R_TASTE, 0}}));

    // The window manager's close while a key is held.
    key(QEvent::KeyPress, Qt::Key_Return);
    onGui([] { display()->close(); });
    key(QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(keysAfter(2), (std::vector<Key>{{VR_KEY_ENTER, 1}, {VR_KEY_ENTER, 0}}));

    // The driver's shutdown while a key is held.
    key(QEvent::KeyPress, Qt::Key_Left);
    ASSERT_EQ(keysAfter(1).size(), 1u);
    ASSERT_EQ(DDrv_DeInitDriver(), 0);
    EXPECT_EQ(keysAfter(1), (std::vector<Key>{{VR_KEY_LEFT, 0}}));
}

TEST_F(HardKeyWindowTest, AutoRepeatAddsNoPress) {
    initWithKeys();
    key(QEvent::KeyPress, Qt::Key_Down);
    for (int i = 0; i < 5; ++i) {
        key(QEvent::KeyRelease, Qt::Key_Down, true);
        key(QEvent::KeyPress, Qt::Key_Down, true);
    }
    key(QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_EQ(keysAfter(2), (std::vector<Key>{{VR_KEY_DOWN, 1}, {VR_KEY_DOWN, 0}}));
}

TEST_F(HardKeyWindowTest, KeysSectionMapsMoreKeysAndNamesTheOnesItCannot) {
    std::ofstream("Lumisim.ini", std::ios::app) << "\n[Keys]\nF1=1\nspace = 7\nBogus=3\nA=x\nP=8\n";
    ::testing::internal::CaptureStderr();
    initWithKeys();
    const std::string warning = driverLines(::testing::internal::GetCapturedStderr());
    EXPECT_EQ(warning, "DDrv_Lumisim: [Keys] in Lumisim.ini: ignoring unknown keys or codes: Bogus=3, A=x\n");
    for (const auto &[qtKey, code] : {std::pair{Qt::Key_F1, VR_KEY_POWER},
                                      {Qt::Key_Space, VR_KEY_ENTER},
                                      {Qt::Key_P, VR_KEY_BACK},
                                      {Qt::Key_Up, VR_KEY_UP}}) {
        key(QEvent::KeyPress, qtKey);
        key(QEvent::KeyRelease, qtKey);
        EXPECT_EQ(keysAfter(2), (std::vector<Key>{{uint32_t(code), 1}, {uint32_t(code), 0}})) << qtKey;
    }
}

// Draws a square and refreshes from inside the callback, on every press.
std::atomic<int> g_drawn{0};
void drawAndRefresh(uint32_t, uint32_t pressed) {
    if (!pressed) return;
    uint32_t red = word(255, 0, 0);
    const VR_Point at{0, 0};
    DDrv_GraphicFunction(VR_GF_RECT, &at, &red);
    DDrv_RefreshDisplay();
    ++g_drawn;
}

std::atomic<bool> g_sleeping{false};
void sleepOnPress(uint32_t, uint32_t pressed) {
    if (!pressed) return;
    g_sleeping = true;
    std::this_thread::sleep_for(std::chrono::seconds(2));
    g_sleeping = false;
}

TEST_F(HardKeyWindowTest, CallbackThatDrawsAndRefreshesCompletes) {
    initWithKeys(drawAndRefresh);
    g_drawn = 0;
    for (int i = 0; i < 10; ++i) {
        key(QEvent::KeyPress, Qt::Key_Down);
        key(QEvent::KeyRelease, Qt::Key_Down);
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (g_drawn < 10 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_EQ(g_drawn, 10) << "a callback that refreshes did not complete";
    EXPECT_EQ(grabWindow().pixel(45, 45), qRgb(255, 0, 0));
}

TEST_F(HardKeyWindowTest, SleepingCallbackDoesNotStallRefreshes) {
    initWithKeys(sleepOnPress);
    key(QEvent::KeyPress, Qt::Key_P);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!g_sleeping && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(g_sleeping);
    const auto start = std::chrono::steady_clock::now();
    for (uint16_t i = 0; i < 50; ++i) {
        setWord(i, 0, word(0, 0, 255));
        ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    }
    EXPECT_TRUE(g_sleeping) << "the refreshes waited for the callback";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(grabWindow().pixel(40 + 49, 40), qRgb(0, 0, 255));
    key(QEvent::KeyRelease, Qt::Key_P);
}

TEST_F(HardKeyWindowTest, ZoomThreeShowsTheZoomOnePictureScaledNearestNeighbour) {
    // A small hand-made board keeps the pictures small (Qt converts large
    // ones on helper threads): 24 x 20, every pixel different, with a
    // key-coloured corner and a 16 x 12 panel at (4, 4).
    std::ofstream("Lumisim.ini", std::ios::trunc)
        << "[DisplayParams]\nXSize=16\nYSize=12\nXPosDisplay=4\nYPosDisplay=4\n";
    writeBmp("Board_16_12.bmp", 24, 20, 24,
             [](int x, int y) { return x == 0 && y == 0 ? qRgb(255, 255, 254) : qRgb(x * 10, y * 12, 77); });
    const auto showPattern = [] {
        for (uint16_t y = 0; y < 12; ++y)
            for (uint16_t x = 0; x < 16; ++x) setWord(x, y, word(uint32_t(x * 15), uint32_t(y * 20), 200, 9));
        DDrv_RefreshDisplay();
        return grabWindow();
    };
    ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
    const QImage one = showPattern();
    ASSERT_EQ(one.size(), QSize(24, 20));
    ASSERT_EQ(DDrv_DeInitDriver(), 0);

    setenv("LUMISIM_ZOOM", "3", 1);
    ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
    const QImage three = showPattern();
    ASSERT_EQ(three.size(), QSize(72, 60));
    int differing = 0;
    for (int y = 0; y < three.height(); ++y)
        for (int x = 0; x < three.width(); ++x) differing += three.pixel(x, y) != one.pixel(x / 3, y / 3);
    EXPECT_EQ(differing, 0);
    // The shape scales too: the see-through corner is 3 x 3 now.
    EXPECT_FALSE(onGui([] { return display()->mask().contains(QPoint(2, 2)); }));
    EXPECT_TRUE(onGui([] { return display()->mask().contains(QPoint(3, 0)); }));
    EXPECT_EQ(onGui([] { return display()->picture().size(); }), QSize(24, 20));  // dumps stay 1:1
}

TEST_F(HardKeyWindowTest, ZoomThreeScalesTheButtons) {
    // A 100 x 95 board: Power lies at (10, 27) to (44, 51) at 1:1.
    std::ofstream("Lumisim.ini", std::ios::trunc)
        << "[DisplayParams]\nXSize=16\nYSize=12\nXPosDisplay=4\nYPosDisplay=4\n";
    writeBmp("Board_16_12.bmp", 100, 95, 24, [](int, int) { return qRgb(90, 90, 90); });
    setenv("LUMISIM_ZOOM", "3", 1);
    initWithKeys();
    EXPECT_EQ(onGui([] { return display()->size(); }), QSize(300, 285));
    EXPECT_EQ(powerRect(), QRect(QPoint(30, 81), QSize(105, 75)));
    // A press where the zoomed Power button lies, but outside the 1:1 one.
    mouse(QEvent::MouseButtonPress, QPoint(100, 120));
    mouse(QEvent::MouseButtonRelease, QPoint(100, 120));
    EXPECT_EQ(keysAfter(2), (std::vector<Key>{{VR_KEY_POWER, 1}, {VR_KEY_POWER, 0}}));
}

TEST_F(HardKeyWindowTest, ZoomFromTheIniTheEnvironmentWinsInvalidMeansOne) {
    const struct {
        const char *ini;  // [Window] Zoom=
        const char *env;  // LUMISIM_ZOOM, null: unset
        int zoom;
        bool warns;
    } cases[] = {
        {"2", nullptr, 2, false}, {"2", "4", 4, false},         {nullptr, "8", 8, false},
        {"0", nullptr, 1, true},  {"2", "9", 1, true},          {nullptr, "x", 1, true},
        {"3x", nullptr, 1, true}, {nullptr, nullptr, 1, false},
    };
    // A small board, so that even zoom 8 makes a small window.
    writeBmp("Board_320_240.bmp", 20, 19, 24, [](int, int) { return qRgb(90, 90, 90); });
    const std::string plainIni = [] {
        std::ifstream in("Lumisim.ini");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    for (const auto &c : cases) {
        std::ofstream("Lumisim.ini", std::ios::trunc)
            << plainIni << (c.ini ? std::string("\n[Window]\nZoom=") + c.ini + "\n" : "");
        if (c.env)
            setenv("LUMISIM_ZOOM", c.env, 1);
        else
            unsetenv("LUMISIM_ZOOM");
        ::testing::internal::CaptureStderr();
        ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(onGui([] { return display()->size(); }), QSize(20, 19) * c.zoom) << c.ini << " " << c.env;
        EXPECT_EQ(err.find("zoom") != std::string::npos, c.warns) << err;
        ASSERT_EQ(DDrv_DeInitDriver(), 0);
    }
}

TEST_F(HardKeyWindowTest, BoardPictureFromTheBoardFolderOrAMessageNamingEveryPlace) {
    fs::create_directory("boards");
    fs::rename("Board_320_240.bmp", "boards/Board_320_240.bmp");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DDrv_InitDriver(fillSquare, noKey), 258);
    const std::string err = driverLines(::testing::internal::GetCapturedStderr());
    EXPECT_NE(err.find("Bild nicht gefunden (Board_320_240.bmp)!"), std::string::npos) << err;
    EXPECT_NE(err.find(fs::current_path().string()), std::string::npos) << err;
    EXPECT_NE(err.find("share/vantrel"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;

    setenv("LUMISIM_BOARD_DIR", "boards", 1);
    ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
    EXPECT_EQ(grabWindow(),
              QImage(QStringLiteral("boards/Board_320_240.bmp")).convertToFormat(QImage::Format_RGB32));
    ASSERT_EQ(DDrv_DeInitDriver(), 0);

    fs::remove("boards/Board_320_240.bmp");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DDrv_InitDriver(fillSquare, noKey), 258);
    const std::string both = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(both.find((fs::current_path() / "boards").string()), std::string::npos) << both;
}

}  // namespace

namespace {

TEST_F(HardKeyWindowTest, BoardDrawnForA128x64PanelCarriesThePanelAndTheKeysWhereTheWindowHasThem) {
    // The tool is single-threaded; under ThreadSanitizer it would report
    // the helper threads of Qt's own painting, which it does not check here.
    const std::string command = "TSAN_OPTIONS=report_bugs=0 " + std::string(MAKE_BOARD_PATH) +
                                " --panel 128x64 . > params.txt 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream printed("params.txt");
    std::string text((std::istreambuf_iterator<char>(printed)), {});
    ASSERT_NE(text.find("[DisplayParams]"), std::string::npos) << text;
    std::ofstream("Lumisim.ini", std::ios::trunc) << text.substr(text.find("[DisplayParams]"));
    initWithKeys();
    const QImage board = onGui(
        [] { return QImage(QStringLiteral("Board_128_64.bmp")).convertToFormat(QImage::Format_RGB32); });
    EXPECT_EQ(onGui([] { return display()->size(); }), board.size());
    for (uint16_t y = 0; y < 64; ++y)
        for (uint16_t x = 0; x < 128; ++x) setWord(x, y, word(255, uint32_t(x * 2), uint32_t(y * 4)));
    DDrv_RefreshDisplay();
    const QImage shown = grabWindow();
    EXPECT_EQ(shown.pixel(40, 40), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(40 + 127, 40 + 63), qRgb(255, 254, 252));
    // The drawn keys are light grey where the window's buttons lie.
    for (const QRect &r : {powerRect(), rTasteRect()}) {
        const QRgb c = board.pixel(r.left() + 4, r.center().y());
        EXPECT_GT(qGray(c), 150) << r.left() << "," << r.top();
        EXPECT_LT(std::abs(qRed(c) - qGreen(c)), 12);
    }
    mouse(QEvent::MouseButtonPress, rTasteRect().center());
    mouse(QEvent::MouseButtonRelease, rTasteRect().center());
    EXPECT_EQ(keysAfter(2), (std::vector<Key>{{VR_KEY_R_TASTE, 1}, {VR_KEY_R_TASTE, 0}}));
}

}  // namespace
