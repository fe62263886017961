#include <gtest/gtest.h>

#include "script/script_engine.hpp"

namespace {

kvx::ScriptEngine* engine = nullptr;

// Each reads its arguments before any object with a destructor is alive.
int Repeat(lua_State* L) {
    const int32_t times = engine->GetArgInt(L, 2);
    const std::string text = engine->GetArgString(L, 1);
    std::string joined;
    for (int32_t i = 0; i < times; ++i) joined += text;
    engine->PushString(L, joined);
    return 1;
}

int Half(lua_State* L) {
    engine->PushNumber(L, engine->GetArgNumber(L, 1) / 2);
    return 1;
}

int ToInt(lua_State* L) {
    engine->PushNumber(L, engine->GetArgInt(L, 1));
    return 1;
}

int Positive(lua_State* L) {
    engine->PushBoolean(L, engine->GetArgNumber(L, 1) > 0 ? 5 : 0);
    engine->PushBoolean(L, 0);
    return 2;
}

class ScriptEngineRegistered : public ::testing::Test {
protected:
    void SetUp() override {
        engine = &owned;
        owned.Start();
        owned.RegisterFunction(Repeat, "repeat_text");
        owned.RegisterFunction(Half, "half");
        owned.RegisterFunction(ToInt, "to_int");
        owned.RegisterFunction(Positive, "positive");
    }
    void TearDown() override { engine = nullptr; }

    // Runs `body` as the body of a script function and returns its first result.
    void Evaluate(const std::string& body) {
        ASSERT_EQ(owned.LoadScript("function probe() " + body + " end"), 1) << owned.GetErrorText();
        ASSERT_EQ(owned.Execute(), 1);
        owned.ClearArgs();
        ASSERT_EQ(owned.CallFunction("probe", 1), 1) << owned.GetErrorText();
    }

    kvx::ScriptEngine owned;
};

}  // namespace

TEST_F(ScriptEngineRegistered, FunctionsReceiveEachArgumentKind) {
    Evaluate("return repeat_text('ab', 3)");
    EXPECT_EQ(owned.GetResultText(), "ababab");
    Evaluate("return repeat_text(12, '2')");  // Lua converts between numbers and strings
    EXPECT_EQ(owned.GetResultKind(), 0);
    EXPECT_EQ(owned.GetResultNumber(), 1212.0);
    Evaluate("return half(5)");
    EXPECT_EQ(owned.GetResultNumber(), 2.5);
    Evaluate("local a, b = positive(3) return a and not b");
    EXPECT_EQ(owned.GetResultBoolean(), 1);
    Evaluate("return positive(-3)");
    EXPECT_EQ(owned.GetResultKind(), 2);
    EXPECT_EQ(owned.GetResultBoolean(), 0);
}

TEST_F(ScriptEngineRegistered, IntegerArgumentsTruncateAndSaturate) {
    Evaluate(
        "return to_int(2.9) == 2 and to_int(-2.9) == -2 and to_int(0/0) == 0 and "
        "to_int(1e12) == 2147483647 and to_int(-1e12) == -2147483648");
    EXPECT_EQ(owned.GetResultBoolean(), 1);
}

TEST_F(ScriptEngineRegistered, WrongArgumentTypesRaiseLuaErrorsInTheScript) {
    Evaluate("local ok, e = pcall(half, 'abc') return e");
    EXPECT_NE(owned.GetResultText().find("bad argument #1 to 'half' (number expected, got string)"), std::string::npos)
        << owned.GetResultText();
    Evaluate("local ok, e = pcall(repeat_text, {}, 1) return e");
    EXPECT_NE(owned.GetResultText().find("string expected, got table"), std::string::npos);
    Evaluate("local ok, e = pcall(to_int) return e");
    EXPECT_NE(owned.GetResultText().find("number expected, got no value"), std::string::npos);

    // Uncaught, the error ends the call, and the engine stays usable.
    ASSERT_EQ(owned.LoadScript("function bad() return half(true) end"), 1);
    ASSERT_EQ(owned.Execute(), 1);
    EXPECT_EQ(owned.CallFunction("bad", 1), 0);
    EXPECT_NE(owned.GetErrorText().find("number expected, got boolean"), std::string::npos);
    EXPECT_EQ(owned.GetErrorStatus(), 1);
    for (int i = 0; i < 1000; ++i) owned.CallFunction("bad", 1);
    Evaluate("return half(8)");
    EXPECT_EQ(owned.GetResultNumber(), 4.0);
}

TEST_F(ScriptEngineRegistered, ReadsAndPushesDoNothingOnAStoppedEngine) {
    lua_State* closed = owned.LuaState;
    owned.Stop();
    // The pointer is dangling now: none of these may dereference it.
    owned.PushString(closed, "x");
    owned.PushNumber(closed, 1);
    owned.PushBoolean(closed, 1);
    EXPECT_EQ(owned.GetArgNumber(closed, 1), 0.0);
    EXPECT_EQ(owned.GetArgInt(closed, 1), 0);
    EXPECT_EQ(owned.GetArgString(closed, 1), "");
    EXPECT_EQ(owned.GetErrorText(), "ScriptEngine: Engine is not started");
}
