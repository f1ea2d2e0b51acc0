// The display window under the offscreen platform, driven through the
// driver's exports as the library drives it.
#include <QApplication>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWindow>

#include "info_dialog.h"
#include "vr_versions.h"
#include "window_fixture.h"

using namespace wintest;
using lumisim::GuiThread;

namespace {

lumisim::CDisplay *display() { return GuiThread::instance().display(); }

int differingPixels(const QImage &a, const QImage &b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

uint32_t pattern(int x, int y) {
    // Every colour channel varies; byte 0 carries noise that must not show;
    // a diagonal of key-coloured words must show white.
    if (x == y) return word(255, 255, 254, uint32_t(x));
    return word(uint32_t(x), uint32_t(y), uint32_t(x ^ y), 0xA5);
}

void drawPattern() {
    for (uint16_t y = 0; y < 240; ++y)
        for (uint16_t x = 0; x < 320; ++x) ASSERT_EQ(setWord(x, y, pattern(x, y)), 0);
}

// Opens the context menu at the panel's middle (posted: the menu runs a
// loop of its own) and waits until it is up.
QMenu *openContextMenu() {
    GuiThread::instance().post([] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 160),
                                display()->mapToGlobal(QPoint(200, 160)));
        QApplication::sendEvent(display(), &event);
    });
    EXPECT_TRUE(waitOnGui([] { return QApplication::activePopupWidget() != nullptr; })) << "no menu opened";
    return onGui([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); });
}

lumisim::CLumisimInfoDlg *infoDialog() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("CLumisimInfoDlg") && w->isVisible())
            return static_cast<lumisim::CLumisimInfoDlg *>(w);
    return nullptr;
}

void chooseInfo() {
    QMenu *menu = openContextMenu();
    ASSERT_NE(menu, nullptr);
    onGui([menu] {
        menu->setActiveAction(menu->actions().value(0));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
    });
    ASSERT_TRUE(waitOnGui([] { return infoDialog() != nullptr; })) << "the info dialog did not open";
}

TEST_F(WindowTest, AfterInitTheWindowShowsThePlainBoardPicture) {
    init();
    EXPECT_EQ(board_.size(), QSize(400, 380));
    EXPECT_EQ(differingPixels(grabWindow(), board_), 0);
    EXPECT_TRUE(onGui([] {
        const auto *d = display();
        return d->isVisible() && d->size() == QSize(400, 380) &&
               (d->windowFlags() & Qt::FramelessWindowHint) &&
               d->windowTitle() == QLatin1String("Vantrel Simu");
    }));
}

TEST_F(WindowTest, RefreshShowsTheComposedFrameBufferPixelForPixel) {
    init();
    drawPattern();
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    const QImage shown = grabWindow();
    EXPECT_EQ(differingPixels(shown, expectedPicture(pattern)), 0);
    EXPECT_EQ(shown.pixel(40 + 7, 40 + 7), qRgb(255, 255, 255));  // key colour on the panel
    EXPECT_EQ(shown.pixel(40 + 3, 40 + 2), qRgb(3, 2, 1));
    // The area variant shows the whole panel too, whatever area it names.
    ASSERT_EQ(setWord(319, 239, word(1, 2, 3)), 0);
    VR_Point origin{0, 0};
    VR_Size size{1, 1};
    ASSERT_EQ(DDrv_RefreshDisplayArea(&origin, &size), 0);
    EXPECT_EQ(grabWindow().pixel(40 + 319, 40 + 239), qRgb(1, 2, 3));
}

TEST_F(WindowTest, DrawingWithoutRefreshLeavesTheWindowUnchangedUntilTheNextRefresh) {
    init();
    drawPattern();
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    const QImage before = grabWindow();
    uint32_t red = word(255, 0, 0);
    const VR_Point at{100, 50};
    ASSERT_EQ(DDrv_GraphicFunction(2, &at, &red), 0);
    ASSERT_EQ(setWord(0, 0, word(0, 0, 255)), 0);
    // Let the repaint that drawing asked for happen.
    onGui([] { QCoreApplication::processEvents(); });
    EXPECT_EQ(differingPixels(grabWindow(), before), 0);
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    const QImage after = grabWindow();
    EXPECT_EQ(differingPixels(after, before), 101);
    EXPECT_EQ(after.pixel(40 + 105, 40 + 55), qRgb(255, 0, 0));
    EXPECT_EQ(after.pixel(40, 40), qRgb(0, 0, 255));
}

TEST_F(WindowTest, KeyColouredBoardPixelsAreCutOutOfTheWindowShape) {
    init();
    const QRegion mask = onGui([] { return display()->mask(); });
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));      // rounded corner
    EXPECT_FALSE(mask.contains(QPoint(399, 379)));  // rounded corner
    EXPECT_FALSE(mask.contains(QPoint(17, 17)));    // mounting hole
    EXPECT_TRUE(mask.contains(QPoint(20, 200)));    // board
    EXPECT_TRUE(mask.contains(QPoint(200, 160)));   // panel
    // Exactly the key-coloured pixels are cut out.
    int cut = 0, key = 0;
    for (int y = 0; y < board_.height(); ++y)
        for (int x = 0; x < board_.width(); ++x) {
            cut += !mask.contains(QPoint(x, y));
            key += board_.pixel(x, y) == qRgb(255, 255, 254);
        }
    EXPECT_GT(key, 0);
    EXPECT_EQ(cut, key);
}

TEST_F(WindowTest, WindowCarriesTheIconInSixSizes) {
    init();
    const QList<QSize> sizes = onGui([] { return display()->windowIcon().availableSizes(); });
    for (int s : {256, 128, 48, 32, 24, 16}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

// The buttons only carry the places of the board's keys (the picture takes
// the clicks there, see hard_key_window_test.cpp); the window ignores the
// dialog's own ways to close.
TEST_F(WindowTest, HardKeyButtonsLieHiddenBehindThePictureAndTheWindowStays) {
    ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0);
    struct Button {
        QString text;
        QRect geometry;
        bool covered;
    };
    const auto buttons = onGui([] {
        std::vector<Button> out;
        for (QPushButton *b : {display()->powerButton(), display()->rTasteButton()})
            out.push_back({b->text(), b->geometry(), display()->childAt(b->geometry().center()) != b});
        return out;
    });
    ASSERT_EQ(buttons.size(), 2u);
    // W 400, H 380: Power from (10, 312) to (195, 337), R-Taste from (205, 312) to (380, 337).
    EXPECT_EQ(buttons[0].text, QLatin1String("Power"));
    EXPECT_EQ(buttons[0].geometry, QRect(QPoint(10, 312), QSize(185, 25)));
    EXPECT_EQ(buttons[1].text, QLatin1String("R-Taste"));
    EXPECT_EQ(buttons[1].geometry, QRect(QPoint(205, 312), QSize(175, 25)));
    EXPECT_TRUE(buttons[0].covered && buttons[1].covered);
    const QImage before = grabWindow();
    onGui([] {
        display()->powerButton()->click();
        display()->rTasteButton()->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(display(), &escape);
        display()->close();  // what the window manager's close does
    });
    EXPECT_TRUE(onGui([] { return display()->isVisible(); }));
    EXPECT_EQ(differingPixels(grabWindow(), before), 0);
}

TEST_F(WindowTest, ContextMenuHoldsOnlyInfoWhichOpensTheInfoDialog) {
    init();
    QMenu *menu = openContextMenu();
    ASSERT_NE(menu, nullptr);
    const QStringList items = onGui([menu] {
        QStringList texts;
        for (QAction *a : menu->actions()) texts << a->text();
        return texts;
    });
    EXPECT_EQ(items, QStringList{QStringLiteral("Info ....")});
    onGui([menu] { menu->close(); });
    ASSERT_TRUE(waitOnGui([] { return QApplication::activePopupWidget() == nullptr; }));
    EXPECT_FALSE(onGui([] { return infoDialog() != nullptr; }));  // dismissing the menu opens nothing

    chooseInfo();
    const QStringList texts = onGui([] {
        QStringList out;
        for (QLabel *l : infoDialog()->findChildren<QLabel *>())
            if (!l->text().isEmpty()) out << l->text();
        return out;
    });
    EXPECT_TRUE(texts.contains(QStringLiteral("Win32-Treiber für Vantrel-Grafikbibliothek")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version " DDRV_LUMISIM_VERSION_STRING)));
    EXPECT_TRUE(texts.contains(QStringLiteral("Norvane")));
    EXPECT_TRUE(onGui([] {
        auto *dialog = infoDialog();
        return dialog->isModal() && dialog->windowTitle() == QLatin1String("Info") &&
               !dialog->windowIcon().isNull();
    }));

    onGui([] { infoDialog()->findChild<QPushButton *>(QStringLiteral("ok"))->click(); });
    ASSERT_TRUE(waitOnGui([] { return infoDialog() == nullptr; }));
    EXPECT_TRUE(onGui([] { return display()->isVisible(); }));
    drawPattern();
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    EXPECT_EQ(differingPixels(grabWindow(), expectedPicture(pattern)), 0);
}

TEST_F(WindowTest, RefreshIsServedWhileTheInfoDialogIsOpen) {
    init();
    chooseInfo();
    drawPattern();
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    EXPECT_EQ(differingPixels(grabWindow(), expectedPicture(pattern)), 0);
    EXPECT_TRUE(onGui([] { return infoDialog() != nullptr; }));
}

TEST_F(WindowTest, ShutdownWhileTheInfoDialogIsOpenEndsCleanly) {
    init();
    chooseInfo();
    EXPECT_EQ(DDrv_DeInitDriver(), 0);
    EXPECT_EQ(GuiThread::instance().call([] {}), false);  // no window left
    // A new window comes up on the same GUI thread.
    init();
    EXPECT_EQ(differingPixels(grabWindow(), board_), 0);
}

TEST_F(WindowTest, ShutdownWhileTheContextMenuIsOpenEndsCleanly) {
    init();
    ASSERT_NE(openContextMenu(), nullptr);
    EXPECT_EQ(DDrv_DeInitDriver(), 0);
    init();
    EXPECT_TRUE(
        onGui([] { return QApplication::activePopupWidget() == nullptr && infoDialog() == nullptr; }));
}

TEST_F(WindowTest, SeveralInitAndShutdownCyclesInOneProcess) {
    for (int cycle = 0; cycle < 6; ++cycle) {
        init();
        EXPECT_EQ(differingPixels(grabWindow(), board_), 0) << cycle;
        const uint32_t colour = word(uint32_t(cycle * 40), 0, 0);
        for (uint16_t y = 0; y < 240; ++y)
            for (uint16_t x = 0; x < 320; ++x) setWord(x, y, colour);
        ASSERT_EQ(DDrv_RefreshDisplay(), 0);
        EXPECT_EQ(grabWindow().pixel(200, 160), qRgb(cycle * 40, 0, 0)) << cycle;
        if (cycle % 2) chooseInfo();  // every other window ends with its dialog open
        ASSERT_EQ(DDrv_DeInitDriver(), 0);
    }
}

TEST_F(WindowTest, InvalidationsNeverWait) {
    init();
    // A burst of drawing calls queues at most one repaint at a time.
    uint32_t green = word(0, 255, 0);
    const VR_Point at{0, 0};
    for (int i = 0; i < 20000; ++i) ASSERT_EQ(DDrv_GraphicFunction(2, &at, &green), 0);
    ASSERT_EQ(DDrv_RefreshDisplay(), 0);
    EXPECT_EQ(grabWindow().pixel(45, 45), qRgb(0, 255, 0));
}

class BoardPictureFailure : public WindowTest {
  protected:
    // Initialisation must end, with 258 and the message, not hang.
    void expectRefused() {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(DDrv_InitDriver(fillSquare, noKey), 258);
        EXPECT_NE(::testing::internal::GetCapturedStderr().find("Bild nicht gefunden (Board_320_240.bmp)!"),
                  std::string::npos);
        EXPECT_FALSE(GuiThread::instance().call([] {}));
    }
};

TEST_F(BoardPictureFailure, MissingPictureGives258) {
    fs::remove("Board_320_240.bmp");
    expectRefused();
    // Once the picture is back, the driver comes up.
    fs::copy_file(fs::path(LUMISIM_DATA_DIR) / "Board_320_240.bmp", "Board_320_240.bmp");
    init();
}

TEST_F(BoardPictureFailure, TruncatedPictureGives258) {
    fs::resize_file("Board_320_240.bmp", fs::file_size("Board_320_240.bmp") / 2);
    expectRefused();
}

TEST_F(BoardPictureFailure, GarbledPictureGives258) {
    std::ofstream("Board_320_240.bmp", std::ios::binary | std::ios::trunc)
        << "BM this is not a bitmap at all";
    expectRefused();
}

TEST_F(BoardPictureFailure, PictureNamedAfterThePanelSize) {
    // A 100 x 60 panel looks for Board_100_60.bmp, not the 320 x 240 one.
    std::ofstream("Lumisim.ini", std::ios::trunc) << "[DisplayParams]\nXSize=100\nYSize=60\n";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DDrv_InitDriver(fillSquare, noKey), 258);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Bild nicht gefunden (Board_100_60.bmp)!"),
              std::string::npos);
}

TEST_F(WindowTest, HandMadePicturesOfBothRowOrdersWithThePanelOverTheEdge) {
    // 24-bit bottom-up, 6 x 4, panel 320 x 240 at (4, 2): only a 2 x 2
    // corner of the panel lands in the picture; the rest is dropped.
    //   K . . . . .     K: key colour, .: grey
    //   . . . . . .
    //   . . . . p p     p: panel
    //   . . . . p p
    std::ofstream("Lumisim.ini", std::ios::trunc) << "[DisplayParams]\nXPosDisplay=4\nYPosDisplay=2\n";
    auto grey = [](int x, int y) { return x == 0 && y == 0 ? qRgb(255, 255, 254) : qRgb(90, 90, 90); };
    for (int bits : {24, 32}) {
        writeBmp("Board_320_240.bmp", 6, 4, bits, grey);
        ASSERT_EQ(DDrv_InitDriver(fillSquare, noKey), 0) << bits;
        for (uint16_t y = 0; y < 240; ++y)
            for (uint16_t x = 0; x < 320; ++x) setWord(x, y, word(uint32_t(x * 50), uint32_t(y * 50), 7));
        ASSERT_EQ(DDrv_RefreshDisplay(), 0);
        const QImage shown = grabWindow();
        ASSERT_EQ(shown.size(), QSize(6, 4)) << bits;
        EXPECT_EQ(shown.pixel(1, 0), qRgb(90, 90, 90)) << bits;
        EXPECT_EQ(shown.pixel(4, 2), qRgb(0, 0, 7)) << bits;
        EXPECT_EQ(shown.pixel(5, 2), qRgb(50, 0, 7)) << bits;
        EXPECT_EQ(shown.pixel(4, 3), qRgb(0, 50, 7)) << bits;
        EXPECT_EQ(shown.pixel(5, 3), qRgb(50, 50, 7)) << bits;
        EXPECT_FALSE(onGui([] { return display()->mask().contains(QPoint(0, 0)); })) << bits;
        ASSERT_EQ(DDrv_DeInitDriver(), 0);
    }
}

}  // namespace

namespace {

// A process that ends without shutting the driver down still ends cleanly,
// also with the menu's dialog open: the window closes before Qt's own
// exit-time teardown. Each case runs in a child process of its own.
class ExitWithoutShutdown : public WindowTest {
  protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        WindowTest::SetUp();
    }
};

TEST_F(ExitWithoutShutdown, WithTheWindowUp) {
    EXPECT_EXIT(
        {
            init();
            drawPattern();
            DDrv_RefreshDisplay();
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "");
}

TEST_F(ExitWithoutShutdown, WithTheInfoDialogOpen) {
    EXPECT_EXIT(
        {
            init();
            chooseInfo();
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "");
}

}  // namespace

namespace {

TEST_F(ExitWithoutShutdown, WithTheContextMenuOpen) {
    EXPECT_EXIT(
        {
            init();
            openContextMenu();
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "");
}

}  // namespace
