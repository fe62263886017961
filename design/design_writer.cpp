#include "design/design_writer.hpp"

#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "design/safe_file.hpp"
#include "design/tab_pages.hpp"
#include "design/value_encoding.hpp"

namespace kvx::studio {
namespace {

const char* const kBannerRule = ";-------------------------------------------------";
const char* const kSectionSeparator = ";=======================";
const char* const kLineEnd = "\r\n";

void AddLine(std::string& text, const std::string& line) {
    text += line;
    text += kLineEnd;
}

// As a save writes it, settling the record's Parent.
std::string WriteSection(DesignedGadget& record) {
    std::string text;
    AddLine(text, kSectionSeparator);
    AddLine(text, HeaderLine(record.Kind));
    for (const KeyFormat& key : record.Info().Keys) AddLine(text, std::string(key.Name) + "=" + key.Write(record));
    if (record.TabPanel.empty()) return text;
    AddLine(text, kSectionSeparator);
    AddLine(text, kTabPageHeader);
    for (const KeyFormat& key : TabPageKeys()) AddLine(text, std::string(key.Name) + "=" + key.Write(record));
    return text;
}

}  // namespace

std::string DesignBanner() {
    std::string text;
    AddLine(text, kBannerRule);
    AddLine(text, std::string(";KVX Studio File - Dremond (C) - version ") + kVersionText);
    AddLine(text, kBannerRule);
    return text;
}

std::string SectionText(DesignedGadget& record) {
    const std::string parent = record.Parent;
    std::string text = WriteSection(record);
    record.Parent = parent;
    return text;
}

std::string DesignText(const std::vector<DesignedGadgetRef>& records) {
    std::string text = DesignBanner();
    for (const DesignedGadgetRef& record : records) text += SectionText(*record);
    return text;
}

bool SaveDesignTo(const std::string& path) {
    return ReplaceFileSafely(path, [](const StreamPtr& stream) {
        const std::string banner = DesignBanner();
        WriteBytes(stream, banner.data(), banner.size());
        for (const DesignedGadgetRef& record : Design().DesignList) {
            const std::string section = WriteSection(*record);
            WriteBytes(stream, section.data(), section.size());
        }
    });
}

}  // namespace kvx::studio
