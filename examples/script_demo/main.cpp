// Registers two application functions, runs demo.lua, then calls its functions.
#include <cstdio>
#include <string>

#include "script/script_engine.hpp"

namespace {

kvx::ScriptEngine engine;

int Greet(lua_State* L) {
    const std::string name = engine.GetArgString(L, 1);
    engine.PushString(L, "Hello, " + name + "!");
    return 1;
}

int Area(lua_State* L) {
    engine.PushNumber(L, engine.GetArgNumber(L, 1) * engine.GetArgNumber(L, 2));
    return 1;
}

void PrintResult(const char* call) {
    switch (engine.GetResultKind()) {
        case kvx::ScriptNumber: std::printf("%s = %g\n", call, engine.GetResultNumber()); break;
        case kvx::ScriptText: std::printf("%s = \"%s\"\n", call, engine.GetResultText().c_str()); break;
        case kvx::ScriptBoolean: std::printf("%s = %s\n", call, engine.GetResultBoolean() ? "true" : "false"); break;
        default: std::printf("%s gave no result\n", call); break;
    }
}

bool Call(const char* name, const char* shown) {
    if (engine.CallFunction(name, 1)) {
        PrintResult(shown);
        return true;
    }
    std::printf("%s failed (status %d): %s\n", shown, engine.GetErrorStatus(), engine.GetErrorText().c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string script = argc > 1 ? argv[1] : SCRIPT_DEMO_DIR "/demo.lua";
    engine.Start();
    engine.RegisterFunction(Greet, "app_greet");
    engine.RegisterFunction(Area, "app_area");
    if (!engine.RunFile(script)) {
        std::printf("cannot run %s (status %d): %s\n", script.c_str(), engine.GetErrorStatus(),
                    engine.GetErrorText().c_str());
        return 1;
    }

    bool ok = true;
    engine.ClearArgs();
    engine.AddArgNumber(3);
    engine.AddArgString("apples");
    engine.AddArgBoolean(1);
    ok &= Call("describe", "describe(3, \"apples\", true)");

    engine.ClearArgs();
    engine.AddArgNumber(10);
    engine.AddArgNumber(5);
    ok &= Call("total", "total(10, 5)");

    engine.ClearArgs();
    engine.AddArgNumber(7);
    ok &= Call("is_even", "is_even(7)");

    engine.ClearArgs();
    engine.AddArgString("not a number");
    ok &= !Call("is_even", "is_even(\"not a number\")");  // shows how a script error is reported

    engine.Stop();
    return ok ? 0 : 1;
}
