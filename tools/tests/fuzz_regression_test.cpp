// Inputs with which the fuzz targets once crashed the converters, replayed
// the way the targets feed them: each now gives a result or a clean error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "face_request.h"

namespace {

std::vector<std::vector<uint8_t>> inputsOf(const char *target) {
    std::vector<std::vector<uint8_t>> inputs;
    const std::filesystem::path dir = std::filesystem::path(VRTOOLS_FUZZ_REGRESSIONS) / target;
    if (!std::filesystem::is_directory(dir)) return inputs;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return inputs;
}

TEST(FuzzRegressions, FaceInputsRenderOrFailCleanly) {
    const auto inputs = inputsOf("face");
    ASSERT_FALSE(inputs.empty());
    for (const auto &input : inputs) {
        ASSERT_GE(input.size(), 2u);
        const fontconv::RasterRequest request = faceRequest(input.data(), input.size());
        try {
            for (const fontconv::Glyph &g : fontconv::rasterise(request).glyphs.glyphs)
                EXPECT_EQ(g.ink.size(), size_t(g.width) * size_t(request.height));
        } catch (const fontconv::RasterError &) {
        }
    }
}

}  // namespace
