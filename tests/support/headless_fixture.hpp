#pragma once
// A headless display of the given size for tests that draw or read input.
#include <gtest/gtest.h>

#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/headless.hpp"

namespace kvx::testing {

class HeadlessTest : public ::testing::Test {
protected:
    void OpenDisplay(int width, int height) {
        UseBackend(Backend::Headless);
        headless::Reset();
        Graphics(width, height, 0, 60);
    }
    void SetUp() override { OpenDisplay(64, 48); }
    void TearDown() override {
        EndGraphics();
        headless::Reset();
    }
    static unsigned Pixel(int x, int y) { return BackBufferPixel(x, y); }
};

}  // namespace kvx::testing
