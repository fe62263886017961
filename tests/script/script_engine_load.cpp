#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "script/script_engine.hpp"

namespace {

constexpr const char* kNoScript = "ScriptEngine: No script text to execute";

// A file in the temporary directory, removed when the test ends.
struct TempFile {
    std::filesystem::path path;
    TempFile(const std::string& name, const std::string& bytes) : path(std::filesystem::temp_directory_path() / name) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path); }
};

// A precompiled chunk made by the interpreter itself.
std::string BinaryChunk(kvx::ScriptEngine& engine) {
    EXPECT_EQ(engine.LoadScript("function dumped() return string.dump(function() return 1 end) end"), 1);
    EXPECT_EQ(engine.Execute(), 1);
    engine.ClearArgs();
    EXPECT_EQ(engine.CallFunction("dumped", 1), 1);
    EXPECT_EQ(engine.GetResultKind(), 1);
    return engine.GetResultText();
}

}  // namespace

TEST(ScriptEngineLoad, ExecuteNeedsASuccessfullyLoadedScript) {
    kvx::ScriptEngine engine;
    engine.Start();
    EXPECT_EQ(engine.Execute(), 0);
    EXPECT_EQ(engine.GetErrorText(), kNoScript);
    EXPECT_EQ(engine.GetErrorStatus(), 0);

    ASSERT_EQ(engine.LoadScript("counter = (counter or 0) + 1"), 1);
    EXPECT_EQ(engine.Script, "counter = (counter or 0) + 1");
    EXPECT_EQ(engine.Execute(), 1);
    // The chunk stays loaded, even after a failed call has emptied the stack.
    EXPECT_EQ(engine.CallFunction("missing", 0), 0);
    EXPECT_EQ(engine.Execute(), 1);
    ASSERT_EQ(engine.LoadScript("function count() return counter end"), 1);
    ASSERT_EQ(engine.Execute(), 1);
    ASSERT_EQ(engine.CallFunction("count", 1), 1);
    EXPECT_EQ(engine.GetResultNumber(), 2.0);

    EXPECT_EQ(engine.LoadScript("x = = 1"), 0);
    EXPECT_EQ(engine.GetErrorStatus(), 3);
    EXPECT_NE(engine.GetErrorText().find("unexpected symbol"), std::string::npos);
    EXPECT_EQ(engine.Script, "");
    EXPECT_EQ(engine.Execute(), 0);
    EXPECT_EQ(engine.GetErrorText(), kNoScript);
    EXPECT_EQ(lua_gettop(engine.LuaState), 0);
}

TEST(ScriptEngineLoad, RunFileReportsMissingFilesAndRunsGoodOnes) {
    kvx::ScriptEngine engine;
    engine.Start();
    const auto missing = std::filesystem::temp_directory_path() / "kvx_script_missing.lua";
    EXPECT_EQ(engine.RunFile(missing.string()), 0);
    EXPECT_EQ(engine.GetErrorStatus(), 2);
    EXPECT_NE(engine.GetErrorText().find("cannot open"), std::string::npos);

    TempFile good("kvx_script_good.lua", "function twice(x) return x * 2 end\n");
    EXPECT_EQ(engine.RunFile(good.path.string()), 1);
    engine.AddArgNumber(21);
    ASSERT_EQ(engine.CallFunction("twice", 1), 1);
    EXPECT_EQ(engine.GetResultNumber(), 42.0);

    TempFile broken("kvx_script_broken.lua", "error('stop here')\n");
    EXPECT_EQ(engine.RunFile(broken.path.string()), 0);
    EXPECT_EQ(engine.GetErrorStatus(), 1);
    EXPECT_NE(engine.GetErrorText().find("stop here"), std::string::npos);
}

TEST(ScriptEngineLoad, PrecompiledChunksAreRefusedEverywhere) {
    kvx::ScriptEngine engine;
    engine.Start();
    const std::string binary = BinaryChunk(engine);
    ASSERT_EQ(binary.substr(0, 4), "\x1bLua");

    EXPECT_EQ(engine.LoadScript(binary), 0);
    EXPECT_EQ(engine.GetErrorStatus(), 3);
    EXPECT_NE(engine.GetErrorText().find("binary chunk"), std::string::npos);

    TempFile file("kvx_script_binary.luac", binary);
    EXPECT_EQ(engine.RunFile(file.path.string()), 0);
    EXPECT_EQ(engine.GetErrorStatus(), 3);

    // The scripts' own loaders: refused even when binary mode is asked for,
    // while text still loads, with or without an environment.
    ASSERT_EQ(engine.LoadScript(R"(
    function probe(path, binary)
      local f1, e1 = load(binary, "b", "b")
      local f2, e2 = loadfile(path, "bt")
      local ok3, e3 = pcall(dofile, path)
      local text = load("return math and 1")() + load("return x", "env", "t", { x = 2 })()
      return f1 == nil and f2 == nil and not ok3 and e1:find("binary chunk") ~= nil
         and e2:find("binary chunk") ~= nil and e3:find("binary chunk") ~= nil and text == 3
    end)"),
              1);
    ASSERT_EQ(engine.Execute(), 1);
    engine.ClearArgs();
    engine.AddArgString(file.path.string());
    engine.AddArgString(binary);
    ASSERT_EQ(engine.CallFunction("probe", 1), 1) << engine.GetErrorText();
    EXPECT_EQ(engine.GetResultKind(), 2);
    EXPECT_EQ(engine.GetResultBoolean(), 1);

    TempFile text("kvx_script_text.lua", "return 5\n");
    ASSERT_EQ(engine.LoadScript("function run(path) return dofile(path) + loadfile(path)() end"), 1);
    ASSERT_EQ(engine.Execute(), 1);
    engine.ClearArgs();
    engine.AddArgString(text.path.string());
    ASSERT_EQ(engine.CallFunction("run", 1), 1) << engine.GetErrorText();
    EXPECT_EQ(engine.GetResultNumber(), 10.0);
}
