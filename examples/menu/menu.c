/*
 * An interactive VRLib application: a settings menu driven by the
 * navigation keys. Up and down move the cursor, enter opens the item, back
 * goes back; on a value page up and right raise the value, down and left
 * lower it. Back on the main menu, or Power anywhere, ends the program.
 * Under the simulator the keyboard's arrows, Return and Escape press them.
 *
 * The hard-key callback runs on the driver's key thread, not on main's: it
 * may draw and refresh there, but main draws the first screen, so both
 * draw under one lock. Every handled press redraws the whole screen with
 * one refresh, which a test scenario waits for ("wait refresh").
 */
#define _POSIX_C_SOURCE 200809L

#include <pthread.h>
#include <stdio.h>

#include "VRLib.h"
#include "menu_font.h"

enum { ITEM_COUNT = 3, PANEL_W = 320, PANEL_H = 240 };

static const char *const itemNames[ITEM_COUNT] = {"Helligkeit", "Kontrast", "Info"};

/* The menu's state; guarded by lock, as is all drawing. */
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t ended = PTHREAD_COND_INITIALIZER;
static int cursor = 0;
static int page = -1; /* -1: the main menu, else the item shown */
static int values[ITEM_COUNT] = {7, 5, 0};
static int quit = 0;
static uint16_t inkOnDark, inkOnLight, inkOnTitle;

static VR_Colour rgb(uint8_t r, uint8_t g, uint8_t b) {
    VR_Colour c = {0, r, g, b};
    return c;
}

static void text(uint16_t x, uint16_t y, const char *s, uint16_t table) {
    VR_Point at = {x, y};
    VR_StringParams params = {s, 0};
    VR_SetFont(1, table);
    VR_DrawString(&at, &params);
}

static void box(uint16_t x, uint16_t y, uint16_t w, uint16_t h, VR_Colour fill) {
    VR_Point at = {x, y};
    VR_RectParams rect = {w, h, fill, fill, fill, 0, 0, VR_FILL_COLOUR1};
    VR_DrawRect(&at, &rect);
}

static void drawTitle(const char *title) {
    box(0, 0, PANEL_W, 28, rgb(0, 90, 160));
    text(10, 6, title, inkOnTitle);
}

static void drawMainMenu(void) {
    int i;
    drawTitle("Einstellungen");
    for (i = 0; i < ITEM_COUNT; ++i) {
        const uint16_t y = (uint16_t)(44 + i * 36);
        char line[32];
        if (i == cursor) box(6, (uint16_t)(y - 4), PANEL_W - 12, 28, rgb(255, 200, 0));
        if (i < 2)
            snprintf(line, sizeof line, "%s: %d", itemNames[i], values[i]);
        else
            snprintf(line, sizeof line, "%s", itemNames[i]);
        text(16, y, line, i == cursor ? inkOnLight : inkOnDark);
    }
}

static void drawValuePage(void) {
    char line[32];
    VR_Point at = {20, 110};
    /* A bar of its own: VR_DrawProgressBar would refresh by itself. */
    VR_RectParams frame = {280, 24, rgb(255, 255, 255), rgb(0, 0, 0), rgb(30, 30, 50), 1, 0, VR_FILL_COLOUR1};
    drawTitle(itemNames[page]);
    snprintf(line, sizeof line, "%d von 10", values[page]);
    text(20, 60, line, inkOnDark);
    VR_DrawRect(&at, &frame);
    if (values[page] > 0) box(21, 111, (uint16_t)(values[page] * 278 / 10), 22, rgb(255, 200, 0));
}

static void drawInfoPage(void) {
    drawTitle("Info");
    text(20, 60, "Vantrel-Menue", inkOnDark);
    text(20, 90, "Beispiel fuer Tasten", inkOnDark);
}

/* The whole screen, shown with one refresh. Called under lock. */
static void draw(void) {
    VR_ClearScreen();
    if (page < 0)
        drawMainMenu();
    else if (page < 2)
        drawValuePage();
    else
        drawInfoPage();
    VR_RefreshDisplay();
}

/* Moves the state on for a pressed key; 0 when the key means nothing. */
static int handle(uint32_t key) {
    if (key == VR_KEY_POWER || (page < 0 && key == VR_KEY_BACK)) {
        quit = 1;
        pthread_cond_signal(&ended);
        return 0;
    }
    if (page < 0) {
        if (key == VR_KEY_UP && cursor > 0) --cursor;
        if (key == VR_KEY_DOWN && cursor < ITEM_COUNT - 1) ++cursor;
        if (key == VR_KEY_ENTER) page = cursor;
        return key == VR_KEY_UP || key == VR_KEY_DOWN || key == VR_KEY_ENTER;
    }
    if (key == VR_KEY_BACK || key == VR_KEY_ENTER) {
        page = -1;
        return 1;
    }
    if (page < 2 && (key == VR_KEY_UP || key == VR_KEY_RIGHT) && values[page] < 10) ++values[page];
    if (page < 2 && (key == VR_KEY_DOWN || key == VR_KEY_LEFT) && values[page] > 0) --values[page];
    return key >= VR_KEY_UP && key <= VR_KEY_RIGHT;
}

/* On the driver's key thread. Releases change nothing here. */
static void onHardKey(uint32_t key, uint32_t pressed) {
    if (pressed != VR_KEY_PRESSED) return;
    pthread_mutex_lock(&lock);
    if (!quit && handle(key)) draw();
    pthread_mutex_unlock(&lock);
}

int main(void) {
    static const VR_Colour dark[2] = {{0, 0, 0, 48}, {0, 255, 255, 255}};
    static const VR_Colour light[2] = {{0, 255, 200, 0}, {0, 0, 0, 48}};
    static const VR_Colour title[2] = {{0, 0, 90, 160}, {0, 255, 255, 255}};
    static const VR_ColourTable darkTable = {2, 0, dark}, lightTable = {2, 0, light},
                                titleTable = {2, 0, title};
    VR_Status status = VR_InitVRLib(onHardKey);
    if (status != VR_OK) {
        fprintf(stderr, "menu: Die Anzeige konnte nicht gestartet werden (Status %u).\n", (unsigned)status);
        return 1;
    }
    pthread_mutex_lock(&lock);
    VR_RegisterFont(Font_Menu16);
    inkOnDark = VR_RegisterColourTable(&darkTable);
    inkOnLight = VR_RegisterColourTable(&lightTable);
    inkOnTitle = VR_RegisterColourTable(&titleTable);
    VR_SetUpdateMode(VR_UPDATE_MANUAL);
    VR_SetBkColor(rgb(0, 0, 48));
    draw();
    while (!quit) pthread_cond_wait(&ended, &lock);
    pthread_mutex_unlock(&lock);
    /* Waits for a callback still running; no key comes after this. */
    return VR_DeInitVRLib() == VR_OK ? 0 : 1;
}
