// Colour conversion and the colour-table registry.
#include "lib_fixture.h"

namespace {

using ColourTest = LibTest;

TEST_F(ColourTest, Convert888To565KeepsEachChannelInItsByteAndLeavesReservedAlone) {
    const VR_Colour white = rgb(255, 255, 255);
    VR_Colour out{0xAB, 0, 0, 0};
    ASSERT_EQ(VR_Convert888To565(&white, &out), VR_OK);
    EXPECT_EQ(out.reserved, 0xAB);
    EXPECT_EQ(out.red, 0x1F);
    EXPECT_EQ(out.green, 0x3F);
    EXPECT_EQ(out.blue, 0x1F);

    VR_Colour inPlace{0x5A, 0x80, 0x80, 0x80};
    ASSERT_EQ(VR_Convert888To565(&inPlace, &inPlace), VR_OK);
    EXPECT_EQ(inPlace.reserved, 0x5A);
    EXPECT_EQ(inPlace.red, 0x10);
    EXPECT_EQ(inPlace.green, 0x20);
    EXPECT_EQ(inPlace.blue, 0x10);

    EXPECT_EQ(VR_Convert888To565(nullptr, &out), VR_ERR_PARAM);
    EXPECT_EQ(VR_Convert888To565(&white, nullptr), VR_ERR_PARAM);
}

TEST_F(ColourTest, RegistryFillsLowestFreeSlotAndRefusesAnEleventh) {
    const VR_ColourTable table{0, 0, nullptr};
    EXPECT_EQ(VR_RegisterColourTable(nullptr), 0);
    // The same table may take several slots.
    for (uint16_t id = 1; id <= 10; ++id) EXPECT_EQ(VR_RegisterColourTable(&table), id);
    EXPECT_EQ(VR_RegisterColourTable(&table), 0);

    EXPECT_EQ(VR_UnregisterColourTable(7), VR_OK);
    EXPECT_EQ(VR_UnregisterColourTable(7), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_UnregisterColourTable(1), VR_OK);
    EXPECT_EQ(VR_RegisterColourTable(&table), 1);
    EXPECT_EQ(VR_RegisterColourTable(&table), 7);
}

TEST_F(ColourTest, UnregisteringIdZeroOrAnUnknownIdFails) {
    const VR_ColourTable table{0, 0, nullptr};
    // 0 names no table, whether or not free slots exist.
    EXPECT_EQ(VR_UnregisterColourTable(0), VR_ERR_NOT_REGISTERED);
    for (int i = 0; i < 10; ++i) VR_RegisterColourTable(&table);
    EXPECT_EQ(VR_UnregisterColourTable(0), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_UnregisterColourTable(11), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_UnregisterColourTable(0xFFFF), VR_ERR_NOT_REGISTERED);
}

TEST_F(ColourTest, InitForgetsEveryTable) {
    const VR_ColourTable table{0, 0, nullptr};
    ASSERT_EQ(VR_RegisterColourTable(&table), 1);
    ASSERT_EQ(VR_InitVRLib(ignoreHardKey), VR_OK);
    EXPECT_EQ(VR_UnregisterColourTable(1), VR_ERR_NOT_REGISTERED);
    EXPECT_EQ(VR_RegisterColourTable(&table), 1);
}

}  // namespace
