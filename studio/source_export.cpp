#include "studio/source_export.hpp"

#include <initializer_list>
#include <string_view>
#include <unordered_map>

#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/safe_file.hpp"
#include "studio/value_encoding.hpp"

namespace kvx::studio {
namespace {

const char* const kRule = "'=============================================";

void WriteLines(const StreamPtr& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) WriteLine(out, line);
}

void WriteHead(const StreamPtr& out) {
    WriteLines(out, {kRule, "'", "'"});
    WriteLine(out, std::string("'\tKorvex Studio ") + kVersionText + " - Dremond (C) - Interface export");
    WriteLines(out, {"'", "'", kRule, "", "Strict", "",
                     "' --------------------------", "' Load KVX gui ! important !", "' --------------------------",
                     "Include \"./KVX_Classe/Inc_Korvex.bmx\"", "",
                     "' ------------", "' Open graphic", "' ------------"});
    // The exported program opens a surface of the designer's own size.
    WriteLine(out, "Graphics " + std::to_string(GraphicsWidth()) + "," + std::to_string(GraphicsHeight()) +
                       ",32,75 '/!\\ FrameRate");
    WriteLines(out, {"",
                     "' --------------------------", "' Init KVX gui ! important !", "' --------------------------",
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
    WriteLines(out, {
             "", "'------------------------------", "' Desactivate synchro", "'------------------------------",
             "zglSetSwapInterval(0) ", "",
             loopRule, "'the MAIN LOOP", loopRule,
             "While Not KeyHit(KEY_ESCAPE)", "\tCls",
             refreshRule, "\t' Refresh KVX gui ! important !", refreshRule, "\tKVX_RefreshGui()", "",
             testRule, "\t' Gui test", testRule, "",
             fpsRule, "\t' Draw FPS info (use KVX_Fps var)", fpsRule, "\tSetColor 255,255,255",
             "\tDrawText \"FPS : \"+KVX_Fps+\" / Memory used : \"+MemAlloced(),10,10", "",
             swapRule, "\t' Swap buffer and flushmem", swapRule, "\tzglSwapBuffers()", "\tFlushMem()",
             "Wend", "",
             clearRule, "' Clear KVX gui ! important !", clearRule, "KVX_ClearGui()", "",
             "End"});
}

// The comma-separated arguments of one creation call.
class Arguments {
public:
    Arguments& Add(const std::string& text) {
        if (!first_) text_ += ",";
        text_ += text;
        first_ = false;
        return *this;
    }
    Arguments& Add(int64_t value) { return Add(std::to_string(value)); }
    Arguments& Quoted(const std::string& text) { return Add("\"" + text + "\""); }
    Arguments& Flag(uint8_t value) { return Add(BooleanText(value == 1)); }
    // Whole numbers when the record is integer-only, else "%#.9g".
    Arguments& Number(float value, uint8_t integerOnly) {
        return integerOnly == 1 ? Add(TruncateToInteger(value)) : Add(RealText(value));
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    bool first_ = true;
};

struct Creation {
    std::string_view TypeName;
    Arguments Args;
    std::string Ending = ")";
};

// The handle of the designed window each live window belongs to, as WindowHandleOf finds it, kept
// as an index so that a large design exports in linear time.
class ParentNames {
public:
    ParentNames() {
        for (const DesignedGadgetRef& record : Design().DesignList) {
            if (record->Kind == "Window") names_.try_emplace(record->Gadget.get(), record->Handle);
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

Creation CreationOf(const DesignedGadget& r, const ParentNames& parents) {
    Arguments a;
    const std::string& kind = r.Kind;
    if (kind == "Window") {
        a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
        return {"KVX_Window", a, ",True,True,True)"};
    }
    a.Add(parents.Of(r));
    if (kind == "Frame") return {"KVX_Frame", a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty)};
    if (kind == "Checkbox") return {"KVX_Checkbox", a.Quoted(r.Caption).Add(r.Px).Add(r.Py), ",True)"};
    if (kind == "Button") return {"KVX_PushButton", a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx)};
    if (kind == "CustomButton") {
        a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
        return {"KVX_CustomButton", a.Quoted(r.ImageOver).Quoted(r.ImageNormal).Quoted(r.ImagePress).Flag(r.Border)};
    }
    if (kind == "ColorIcon") {
        return {"KVX_ColorIcon", a.Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty), ",My_" + r.Handle + ")"};
    }
    if (kind == "Scrollbar") {
        a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
        a.Number(r.Value, r.IntegerOnly).Number(r.Minimum, r.IntegerOnly).Number(r.Maximum, r.IntegerOnly);
        return {"KVX_Scrollbar", a.Number(r.Step, r.IntegerOnly).Flag(r.Vertical).Flag(r.IntegerOnly)};
    }
    if (kind == "Progressbar") {
        a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
        return {"KVX_Progress", a.Add(TruncateToInteger(r.Value)).Add(TruncateToInteger(r.Maximum))};
    }
    if (kind == "Listbox") return {"KVX_Listbox", a.Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty)};
    if (kind == "Combobox") return {"KVX_Combo", a.Add(r.Px).Add(r.Py).Add(r.Tx)};
    if (kind == "Inputbox") return {"KVX_Input", a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.NumChar).Add(r.MaxChar)};
    if (kind == "Value") {
        a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.NumChar);
        a.Number(r.Value, r.IntegerOnly).Number(r.Step, r.IntegerOnly);
        return {"KVX_Value", a.Number(r.Minimum, r.IntegerOnly).Number(r.Maximum, r.IntegerOnly).Flag(r.IntegerOnly)};
    }
    if (kind == "Labeltext") {
        return {"KVX_Label", a.Quoted(r.Caption).Add(r.Px).Add(r.Py).Flag(r.Align), ",KVX_BlackColor)"};
    }
    if (kind == "Imagebox") {
        return {"KVX_Image", a.Quoted(r.Image).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty).Add(r.ImageBorder)};
    }
    return {};
}

void WriteGadget(const StreamPtr& out, const DesignedGadget& r, const ParentNames& parents) {
    const Creation creation = CreationOf(r, parents);
    if (creation.TypeName.empty()) return;
    const std::string scope = r.Global == 1 ? "Global " : "Local ";
    WriteLine(out, scope + r.Handle + ":" + std::string(creation.TypeName));
    if (r.Kind == "ColorIcon") {
        WriteLine(out, scope + "My_" + r.Handle + ":KVX_Color");
        WriteLine(out, "My_" + r.Handle + "=KVX_Color.Create(Rnd(0,255),Rnd(0,255),Rnd(0,255))");
    }
    WriteLine(out, r.Handle + "=" + std::string(creation.TypeName) + ".Create(" + creation.Args.Text() +
                       creation.Ending);
}

}  // namespace

bool ExportSourceTo(const std::string& path) {
    return ReplaceFileSafely(path, [](const StreamPtr& out) {
        WriteHead(out);
        const ParentNames parents;
        for (const DesignedGadgetRef& record : Design().DesignList) WriteGadget(out, *record, parents);
        WriteTail(out);
    });
}

}  // namespace kvx::studio
