#include <gtest/gtest.h>

#include "script/script_engine.hpp"

namespace {

class ScriptEngineCall : public ::testing::Test {
protected:
    void SetUp() override {
        engine.Start();
        ASSERT_EQ(engine.LoadScript(R"(
      not_a_function = 5
      function text_number() return "42" end
      function a_table() return {} end
      function yes() return true end
      function no() return false end
      function word() return "hello" end
      function nothing() end
      function describe(n, s, b) return string.format("%g|%s|%s", n, s, tostring(b)) end
      function count(...) return select("#", ...) end
      function sum(...) local t = 0 for _, v in ipairs({...}) do t = t + v end return t end
      function fail_with(value) error(value) end
    )"),
                  1);
        ASSERT_EQ(engine.Execute(), 1);
    }

    // Calls `name` with no arguments, asking for a result.
    int32_t Call(const char* name) {
        engine.ClearArgs();
        return engine.CallFunction(name, 1);
    }

    kvx::ScriptEngine engine;
};

}  // namespace

TEST_F(ScriptEngineCall, ResultKindsFollowNumberBooleanStringOrder) {
    ASSERT_EQ(Call("text_number"), 1);
    EXPECT_EQ(engine.GetResultKind(), 0);
    EXPECT_EQ(engine.GetResultNumber(), 42.0);

    ASSERT_EQ(Call("yes"), 1);
    EXPECT_EQ(engine.GetResultKind(), 2);
    EXPECT_EQ(engine.GetResultBoolean(), 1);
    ASSERT_EQ(Call("no"), 1);
    EXPECT_EQ(engine.GetResultKind(), 2);
    EXPECT_EQ(engine.GetResultBoolean(), 0);

    ASSERT_EQ(Call("word"), 1);
    EXPECT_EQ(engine.GetResultKind(), 1);
    EXPECT_EQ(engine.GetResultText(), "hello");

    // A table or nothing leaves the previous result in place.
    EXPECT_EQ(engine.CallFunction("a_table", 1), 1);
    EXPECT_EQ(engine.CallFunction("nothing", 1), 1);
    EXPECT_EQ(engine.GetResultKind(), 1);
    EXPECT_EQ(engine.GetResultText(), "hello");
    // Without a wanted result nothing is taken.
    EXPECT_EQ(engine.CallFunction("yes", 0), 1);
    EXPECT_EQ(engine.GetResultKind(), 1);
    // Unused results do not pile up on the stack.
    EXPECT_EQ(lua_gettop(engine.LuaState), 0);

    engine.ClearArgs();
    EXPECT_EQ(engine.GetResultKind(), -1);
    EXPECT_EQ(engine.GetResultText(), "");
}

TEST_F(ScriptEngineCall, CallingANonFunctionKeepsLuaMessageAndStatus) {
    ASSERT_EQ(Call("word"), 1);
    EXPECT_EQ(engine.CallFunction("not_a_function", 1), 0);
    EXPECT_NE(engine.GetErrorText().find("attempt to call a number value"), std::string::npos);
    EXPECT_EQ(engine.GetErrorStatus(), 1);
    EXPECT_EQ(engine.GetResultKind(), 1);
    EXPECT_EQ(engine.CallFunction("undefined_global", 1), 0);
    EXPECT_NE(engine.GetErrorText().find("attempt to call a nil value"), std::string::npos);
    EXPECT_EQ(lua_gettop(engine.LuaState), 0);
}

TEST_F(ScriptEngineCall, ArgumentsArePassedInOrderWithTheirKinds) {
    engine.ClearArgs();
    engine.AddArgNumber(2.5);
    engine.AddArgString(std::string("a\0b\xe9", 4));
    engine.AddArgBoolean(7);
    ASSERT_EQ(engine.CallFunction("describe", 1), 1);
    EXPECT_EQ(engine.GetResultText(), std::string("2.5|a\0b\xe9|true", 13));

    engine.ClearArgs();
    engine.AddArgNumber(1);
    kvx::ScriptArg unknown;
    unknown.Kind = 9;  // unknown kinds pass nothing
    engine.Args.push_back(unknown);
    engine.AddArgBoolean(0);
    ASSERT_EQ(engine.CallFunction("count", 1), 1);
    EXPECT_EQ(engine.GetResultNumber(), 2.0);

    // More arguments than the stack has room for by default.
    engine.ClearArgs();
    for (int i = 1; i <= 500; ++i) engine.AddArgNumber(i);
    ASSERT_EQ(engine.CallFunction("sum", 1), 1) << engine.GetErrorText();
    EXPECT_EQ(engine.GetResultNumber(), 125250.0);
}

TEST_F(ScriptEngineCall, ErrorObjectsOfAnyTypeGiveReadableMessages) {
    EXPECT_EQ(engine.LoadScript("error({})"), 1);
    EXPECT_EQ(engine.Execute(), 0);
    EXPECT_EQ(engine.GetErrorText(), "(error object is a table value)");
    EXPECT_EQ(engine.GetErrorStatus(), 1);

    EXPECT_EQ(engine.LoadScript("error(nil)"), 1);
    EXPECT_EQ(engine.Execute(), 0);
    EXPECT_EQ(engine.GetErrorText(), "(error object is a nil value)");

    engine.ClearArgs();
    engine.AddArgBoolean(1);
    EXPECT_EQ(engine.CallFunction("fail_with", 0), 0);
    EXPECT_EQ(engine.GetErrorText(), "(error object is a boolean value)");

    engine.ClearArgs();
    engine.AddArgNumber(2.5);
    EXPECT_EQ(engine.CallFunction("fail_with", 0), 0);
    EXPECT_EQ(engine.GetErrorText(), "2.5");

    engine.ClearArgs();
    engine.AddArgString("plain text");
    EXPECT_EQ(engine.CallFunction("fail_with", 0), 0);
    EXPECT_NE(engine.GetErrorText().find(": plain text"), std::string::npos);
    EXPECT_EQ(lua_gettop(engine.LuaState), 0);
}

TEST_F(ScriptEngineCall, MetamethodErrorsOnGlobalsAreReportedNotFatal) {
    ASSERT_EQ(engine.LoadScript("setmetatable(_G, { __index = function(_, k) error('undeclared ' .. k) end,"
                                " __newindex = function(_, k) error('no new global ' .. k) end })"),
              1);
    ASSERT_EQ(engine.Execute(), 1);
    EXPECT_EQ(engine.CallFunction("undeclared_name", 1), 0);
    EXPECT_NE(engine.GetErrorText().find("undeclared undeclared_name"), std::string::npos);
    engine.RegisterFunction([](lua_State*) { return 0; }, "fresh");
    EXPECT_NE(engine.GetErrorText().find("no new global fresh"), std::string::npos);
    EXPECT_EQ(Call("word"), 1);
}
