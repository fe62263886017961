// Handles over many pages of the table: released ones find nothing, held ones their object,
// wherever their neighbours went.
#include "platform/handles.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "platform/pixmap.hpp"

namespace kvx {
namespace {

TEST(HandlesTest, ReleasedHandlesFindNothingAndHeldOnesTheirObjectAcrossPages) {
    const ImagePtr picture = LoadImage(std::make_shared<Pixmap>(2, 2), 0);
    ASSERT_TRUE(picture);
    const int live = LiveHandleCount();
    std::vector<int> handles;
    for (int i = 0; i < 5000; ++i) handles.push_back(HandleFromImage(picture));
    const int kept = handles[1500];
    for (const int handle : handles) {
        if (handle != kept) ReleaseHandle(handle);
    }
    ReleaseHandle(handles[0]);  // twice: ignored
    EXPECT_EQ(LiveHandleCount(), live + 1);
    EXPECT_EQ(ImageFromHandle(kept), picture);
    EXPECT_EQ(ImageFromHandle(handles[0]), nullptr);
    EXPECT_EQ(ImageFromHandle(handles[4999]), nullptr);
    EXPECT_EQ(ImageFromHandle(handles[4999] + 100000), nullptr);
    const int next = HandleFromImage(picture);
    EXPECT_GT(next, handles[4999]) << "a handle is never given twice";
    EXPECT_EQ(ImageFromHandle(next), picture);
    ReleaseHandle(kept);
    ReleaseHandle(next);
    EXPECT_EQ(LiveHandleCount(), live);
}

}  // namespace
}  // namespace kvx
