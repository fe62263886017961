#include <gtest/gtest.h>

#include <functional>

#include "script/script_engine.hpp"

namespace {

constexpr const char* kNotStarted = "ScriptEngine: Engine is not started";

int ReturnSeven(lua_State* L) {
    lua_pushinteger(L, 7);
    return 1;
}

}  // namespace

TEST(ScriptEngineLifecycle, EverythingBeforeStartAndAfterStopFails) {
    kvx::ScriptEngine engine;
    const std::function<int32_t()> operations[] = {
        [&] { return engine.LoadScript("x = 1"); },
        [&] { return engine.Execute(); },
        [&] { return engine.RunFile("tests/script/any.lua"); },
        [&] { return engine.CallFunction("print", 1); },
        [&]() -> int32_t {
            engine.OnError(LUA_ERRRUN);
            return 0;
        },
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& operation : operations) {
            engine.LastError.clear();
            engine.LastStatus = 9;
            EXPECT_EQ(operation(), 0);
            EXPECT_EQ(engine.GetErrorText(), kNotStarted);
            EXPECT_EQ(engine.GetErrorStatus(), 0);
        }
        // No state to touch: these must simply do nothing.
        engine.RegisterFunction(ReturnSeven, "seven");
        engine.PushNumber(engine.LuaState, 1.0);
        EXPECT_EQ(engine.LuaState, nullptr);

        engine.Start();
        ASSERT_EQ(engine.IsStarted(), 1);
        engine.Stop();
        engine.Stop();  // a second Stop must not close the state again
        EXPECT_EQ(engine.IsStarted(), 0);
    }
}

TEST(ScriptEngineLifecycle, RestartDropsGlobalsAndRegisteredFunctions) {
    kvx::ScriptEngine engine;
    engine.Start();
    engine.RegisterFunction(ReturnSeven, "seven");
    ASSERT_EQ(engine.LoadScript("function answer() return seven() * 6 end"), 1);
    ASSERT_EQ(engine.Execute(), 1);
    ASSERT_EQ(engine.CallFunction("answer", 1), 1);
    EXPECT_EQ(engine.GetResultNumber(), 42.0);

    engine.Start();
    EXPECT_EQ(engine.IsStarted(), 1);
    EXPECT_EQ(engine.CallFunction("answer", 1), 0);
    EXPECT_EQ(engine.GetErrorStatus(), 1);
    EXPECT_EQ(engine.CallFunction("seven", 1), 0);
    // The old chunk belonged to the closed interpreter.
    EXPECT_EQ(engine.Execute(), 0);
    EXPECT_EQ(engine.GetErrorText(), "ScriptEngine: No script text to execute");
}

TEST(ScriptEngineLifecycle, OpensOnlyTheFiveLibraries) {
    kvx::ScriptEngine engine;
    engine.Start();
    ASSERT_EQ(engine.LoadScript("function opened() return table and io and string and math and print and "
                                "not os and not debug and not package and not require and not coroutine "
                                "and not utf8 end"),
              1);
    ASSERT_EQ(engine.Execute(), 1);
    ASSERT_EQ(engine.CallFunction("opened", 1), 1);
    EXPECT_EQ(engine.GetResultKind(), 2);
    EXPECT_EQ(engine.GetResultBoolean(), 1);
}
