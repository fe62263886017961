// The design fuzzer's seeds: together they hold every kind that can be placed, and every section
// of them loads into a live gadget, so a change to the file format cannot leave the seeds behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "design/design_reader.hpp"
#include "support/design_fixture.hpp"

namespace kvx {
namespace {

class FuzzSeedTest : public testing::DesignTest {};

TEST_F(FuzzSeedTest, DesignSeedsLoadEveryPlaceableKind) {
    const char* source = std::getenv("KVX_SOURCE_DIR");
    const std::filesystem::path seeds = std::filesystem::path(source ? source : ".") / "fuzz/corpus/kvx";
    ASSERT_TRUE(std::filesystem::is_directory(seeds));
    std::set<std::string> kinds;
    for (const auto& seed : std::filesystem::directory_iterator(seeds)) {
        SCOPED_TRACE(seed.path().string());
        EXPECT_LE(std::filesystem::file_size(seed.path()), 4096u) << "a seed longer than the fuzzer's inputs";
        testing::ClearDesign();
        studio::LoadDesignFrom(seed.path().string());
        ASSERT_FALSE(studio::Design().DesignList.empty());
        for (const studio::DesignedGadgetRef& record : studio::Design().DesignList) {
            EXPECT_EQ(record->Gadget == nullptr, record->Info().OnMenuBar) << record->Handle;
            kinds.insert(record->Kind);
        }
    }
    for (const studio::KindDescription* kind : studio::Kinds()) {
        if (!kind->Create) continue;
        EXPECT_TRUE(kinds.count(kind->Word)) << kind->Word;
    }
}

}  // namespace
}  // namespace kvx
