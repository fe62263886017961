#include "design/source_export.hpp"

#include <algorithm>
#include <initializer_list>
#include <unordered_map>

#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "design/safe_file.hpp"
#include "design/tab_pages.hpp"
#include "design/value_encoding.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

const char* const kRule = "'=============================================";

void WriteLines(const StreamPtr& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) WriteLine(out, line);
}

void WriteHead(const StreamPtr& out) {
    WriteLines(out, {kRule, "'", "'"});
    WriteLine(out, std::string("'\tKorvex Studio ") + kVersionText + " - Dremond (C) - Interface export");
    WriteLines(out, {"'", "'", kRule, "", "Strict", "", "' --------------------------", "' Load KVX gui ! important !",
                     "' --------------------------", "Include \"./KVX_Classe/Inc_Korvex.bmx\"", "", "' ------------",
                     "' Open graphic", "' ------------"});
    // The exported program opens a surface of the designer's own size.
    WriteLine(out, "Graphics " + std::to_string(GraphicsWidth()) + "," + std::to_string(GraphicsHeight()) +
                       ",32,75 '/!\\ FrameRate");
    WriteLines(out, {"", "' --------------------------", "' Init KVX gui ! important !", "' --------------------------",
                     "", "KVX_InitGUI(1)", "", "KVX_Background(\"./KVX_Demos/Background_01.png\")", "",
                     "'----------------------------", "' Build interface", "'----------------------------"});
}

void WriteTail(const StreamPtr& out) {
    const char* const loopRule = "' ------------------------------------------------------------";
    const char* const refreshRule = "\t' -----------------------------";
    const char* const testRule = "\t' --------";
    const char* const fpsRule = "\t' -------------------------------";
    const char* const swapRule = "\t' ------------------------";
    const char* const clearRule = "' ---------------------------";
    WriteLines(out, {"",
                     "'------------------------------",
                     "' Desactivate synchro",
                     "'------------------------------",
                     "zglSetSwapInterval(0) ",
                     "",
                     loopRule,
                     "'the MAIN LOOP",
                     loopRule,
                     "While Not KeyHit(KEY_ESCAPE)",
                     "\tCls",
                     refreshRule,
                     "\t' Refresh KVX gui ! important !",
                     refreshRule,
                     "\tKVX_RefreshGui()",
                     "",
                     testRule,
                     "\t' Gui test",
                     testRule,
                     "",
                     fpsRule,
                     "\t' Draw FPS info (use KVX_Fps var)",
                     fpsRule,
                     "\tSetColor 255,255,255",
                     "\tDrawText \"FPS : \"+KVX_Fps+\" / Memory used : \"+MemAlloced(),10,10",
                     "",
                     swapRule,
                     "\t' Swap buffer and flushmem",
                     swapRule,
                     "\tzglSwapBuffers()",
                     "\tFlushMem()",
                     "Wend",
                     "",
                     clearRule,
                     "' Clear KVX gui ! important !",
                     clearRule,
                     "KVX_ClearGui()",
                     "",
                     "End"});
}

// The handle of the designed window each live window belongs to, as WindowHandleOf finds it, kept
// as an index so that a large design exports in linear time.
class ParentNames {
public:
    ParentNames() {
        for (const DesignedGadgetRef& record : Design().DesignList) {
            if (record->Info().IsWindow) names_.try_emplace(record->Gadget.get(), record->Handle);
        }
    }
    // Empty without a parent window.
    std::string Of(const DesignedGadget& record) const {
        const auto it = names_.find(record.ParentWindow.get());
        return record.ParentWindow && it != names_.end() ? it->second : std::string();
    }

private:
    std::unordered_map<const KVX_Gadget*, std::string> names_;
};

void WriteGadget(const StreamPtr& out, const DesignedGadget& r, const ParentNames& parents, TabPanelIndex& panels) {
    const KindDescription& kind = r.Info();
    if (!kind.Export) return;
    const DesignedGadget* panel = panels.PanelOf(r);
    panels.Add(r);
    DesignedGadget placed = r;
    if (panel) ToPagePlace(placed, *panel);
    const Creation creation = kind.Export(placed, parents.Of(r));
    WriteLine(out, ScopeWord(r.Global) + r.Handle + ":" + std::string(creation.TypeName));
    for (const std::string& line : creation.Prelude) WriteLine(out, line);
    WriteLine(out,
              r.Handle + "=" + std::string(creation.TypeName) + ".Create(" + creation.Args.Text() + creation.Ending);
    if (kind.AddItem) {
        for (std::string item : r.Items) {
            std::replace_if(item.begin(), item.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');  // one line each
            WriteLine(out, r.Handle + ".AddItem(\"" + item + "\",\"\")");
        }
    }
    for (const std::string& line : creation.Then) WriteLine(out, line);
    if (panel) WriteLine(out, "AttachToTab(" + r.Handle + "," + panel->Handle + ",\"" + TabTitleOf(r, *panel) + "\")");
}

}  // namespace

bool ExportSourceTo(const std::string& path) {
    return ReplaceFileSafely(path, [](const StreamPtr& out) {
        WriteHead(out);
        const ParentNames parents;
        TabPanelIndex panels;
        for (const DesignedGadgetRef& record : Design().DesignList) WriteGadget(out, *record, parents, panels);
        WriteTail(out);
    });
}

}  // namespace kvx::studio
