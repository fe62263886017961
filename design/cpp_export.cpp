#include "design/cpp_export.hpp"

#include <filesystem>
#include <unordered_map>

#include "design/cpp_text.hpp"
#include "design/kind_table.hpp"
#include "design/safe_file.hpp"
#include "design/tab_pages.hpp"

namespace kvx::studio {

std::string CppHeaderText(const std::vector<DesignedGadgetRef>& records, const std::string& structName,
                          const std::string& sourceName, const std::string& schemePath) {
    CppNames names;
    names.Reserve(structName);  // a member named like its struct would be taken for a constructor
    // As the loader does: a gadget goes into the first window of its Parent's handle made before it.
    std::unordered_map<std::string, std::string> windowMembers;
    std::unordered_map<const DesignedGadget*, std::string> panelMembers;
    TabPanelIndex panels;
    std::string members, creation;
    for (const DesignedGadgetRef& record : records) {
        const KindDescription& kind = record->Info();
        if (!kind.CppCreate) continue;
        const std::string member = names.Take(record->Handle);
        DesignedGadget settled = *record;
        SettleSizes(settled);
        const DesignedGadget* panel = panels.PanelOf(*record);
        panels.Add(*record);
        panelMembers.try_emplace(record.get(), member);
        if (panel) ToPagePlace(settled, *panel);
        std::string parent;
        if (kind.IsWindow) {
            windowMembers.try_emplace(record->Handle, member);
        } else if (const auto it = windowMembers.find(record->Parent); it != windowMembers.end()) {
            parent = it->second;
        }
        members += "    kvx::" + std::string(kind.CppType) + " " + member + ";\n";
        creation += "        " + member + " = " + kind.CppCreate(settled, parent) + ";\n";
        if (kind.AddItem) {
            for (const std::string& item : record->Items) {
                creation += "        " + member + "->AddItem(" + CppStringLiteral(item) + ", \"\");\n";
            }
        }
        if (kind.CppThen) {
            for (const std::string& line : kind.CppThen(*record, member)) creation += "        " + line + "\n";
        }
        if (panel) {
            creation += "        kvx::AttachToTab(" + member + ", " + panelMembers.at(panel) + ", " +
                        CppStringLiteral(TabTitleOf(*record, *panel)) + ");\n";
        }
    }
    const std::string scheme =
        schemePath.empty() ? std::string()
                           : "    // The colour scheme the design goes with: load it after KVX_InitGUI, before Create().\n"
                             "    static kvx::KVX_SchemeLoad LoadScheme() { return kvx::KVX_LoadScheme(" +
                                 CppStringLiteral(schemePath) + "); }\n\n";
    return "// Generated from the Korvex design " + sourceName +
           "; change the design and export it again rather than editing this file.\n"
           "#pragma once\n"
           "#include <Inc_Korvex.hpp>\n"
           "\n"
           "struct " +
           structName + " {\n" + members + "\n" + scheme +
           "    // Makes every window and gadget of the design, as kvx::KVX_LoadDesign would.\n"
           "    void Create() {\n" +
           creation +
           "    }\n"
           "};\n";
}

bool ExportHeaderTo(const std::string& path) {
    const std::string stem = std::filesystem::path(path).stem().string();
    const std::string text = CppHeaderText(Design().DesignList, CamelCaseName(stem), stem + ".kvx");
    return ReplaceFileSafely(path, [&](const StreamPtr& out) { WriteBytes(out, text.data(), text.size()); });
}

}  // namespace kvx::studio
