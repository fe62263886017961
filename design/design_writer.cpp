#include "design/design_writer.hpp"

#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "design/safe_file.hpp"
#include "design/value_encoding.hpp"

namespace kvx::studio {
namespace {

const char* const kBannerRule = ";-------------------------------------------------";
const char* const kSectionSeparator = ";=======================";

void WriteSection(const StreamPtr& stream, DesignedGadget& record) {
    WriteLine(stream, kSectionSeparator);
    WriteLine(stream, HeaderLine(record.Kind));
    for (const KeyFormat& key : record.Info().Keys) WriteLine(stream, std::string(key.Name) + "=" + key.Write(record));
}

}  // namespace

bool SaveDesignTo(const std::string& path) {
    return ReplaceFileSafely(path, [](const StreamPtr& stream) {
        WriteLine(stream, kBannerRule);
        WriteLine(stream, std::string(";KVX Studio File - Dremond (C) - version ") + kVersionText);
        WriteLine(stream, kBannerRule);
        for (const DesignedGadgetRef& record : Design().DesignList) WriteSection(stream, *record);
    });
}

}  // namespace kvx::studio
