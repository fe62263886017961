#include "script/script_engine.hpp"

#include <cmath>
#include <limits>

#include "script/script_libraries.hpp"

namespace kvx {
namespace {

constexpr const char* kNotStarted = "ScriptEngine: Engine is not started";
constexpr const char* kNoScript = "ScriptEngine: No script text to execute";

// Registry key of the chunk compiled by LoadScript. Keeping it in the registry
// rather than on the stack means a failed call that empties the stack, or a
// second Execute, cannot make Execute call whatever else is on top.
const char LoadedChunkKey = 0;

// The helpers below run inside lua_pcall, so that errors from metamethods on
// the globals table, a full stack or exhausted memory come back as a status
// instead of aborting the process. A Lua error leaves them by longjmp: they
// hold only pointers and references.

int PrepareState(lua_State* L) {
    OpenScriptLibraries(L);
    // Creating the key now means storing a chunk later never allocates outside
    // a protected call.
    lua_pushboolean(L, 0);
    lua_rawsetp(L, LUA_REGISTRYINDEX, &LoadedChunkKey);
    return 0;
}

struct GlobalBinding {
    const char* name;
    lua_CFunction function;
};

int SetGlobalFunction(lua_State* L) {
    const auto* binding = static_cast<const GlobalBinding*>(lua_touserdata(L, 1));
    lua_pushcfunction(L, binding->function);
    lua_setglobal(L, binding->name);
    return 0;
}

struct GlobalCall {
    const char* name;
    const std::vector<ScriptArg>* args;
    int results;
};

int CallGlobal(lua_State* L) {
    const auto* call = static_cast<const GlobalCall*>(lua_touserdata(L, 1));
    lua_getglobal(L, call->name);
    int pushed = 0;
    for (const ScriptArg& arg : *call->args) {
        luaL_checkstack(L, 1, "too many arguments");
        switch (arg.Kind) {
            case ScriptNumber: lua_pushnumber(L, arg.Number); break;
            case ScriptText: lua_pushlstring(L, arg.Text.data(), arg.Text.size()); break;
            case ScriptBoolean: lua_pushboolean(L, arg.Flag != 0); break;
            default: continue;  // unknown kinds pass nothing and are not counted
        }
        ++pushed;
    }
    lua_call(L, pushed, call->results);
    return call->results;
}

std::string ErrorObjectText(lua_State* L) {
    const int type = lua_type(L, -1);
    if (type == LUA_TSTRING || type == LUA_TNUMBER) {
        size_t length = 0;
        const char* text = lua_tolstring(L, -1, &length);
        return std::string(text, length);
    }
    return std::string("(error object is a ") + luaL_typename(L, -1) + " value)";
}

}  // namespace

ScriptEngine::~ScriptEngine() { Stop(); }

bool ScriptEngine::Ready() const { return Started != 0 && LuaState != nullptr; }

int32_t ScriptEngine::Fail(const char* message) {
    LastError = message;
    LastStatus = ScriptOk;
    return 0;
}

int32_t ScriptEngine::Start() {
    Stop();
    LuaState = luaL_newstate();
    if (!LuaState) return 0;
    lua_pushcfunction(LuaState, PrepareState);
    const int status = lua_pcall(LuaState, 0, 0, 0);
    if (status != LUA_OK) {
        OnError(status);
        Stop();
        return 0;
    }
    Started = 1;
    return 0;
}

int32_t ScriptEngine::Stop() {
    if (LuaState) lua_close(LuaState);
    LuaState = nullptr;  // nothing may reach the closed state, not even a second Stop
    Started = 0;
    return 0;
}

int32_t ScriptEngine::IsStarted() const { return Started; }

int32_t ScriptEngine::PushString(lua_State* state, const std::string& text) {
    if (!Ready() || !state) return 0;
    luaL_checkstack(state, 1, "too many results");
    lua_pushlstring(state, text.data(), text.size());
    return 0;
}

int32_t ScriptEngine::PushNumber(lua_State* state, double number) {
    if (!Ready() || !state) return 0;
    luaL_checkstack(state, 1, "too many results");
    lua_pushnumber(state, number);
    return 0;
}

int32_t ScriptEngine::PushBoolean(lua_State* state, int32_t flag) {
    if (!Ready() || !state) return 0;
    luaL_checkstack(state, 1, "too many results");
    lua_pushboolean(state, flag != 0);
    return 0;
}

int32_t ScriptEngine::RegisterFunction(lua_CFunction function, const std::string& name) {
    if (!Ready() || !function) return 0;
    GlobalBinding binding{name.c_str(), function};
    lua_pushcfunction(LuaState, SetGlobalFunction);
    lua_pushlightuserdata(LuaState, &binding);
    const int status = lua_pcall(LuaState, 1, 0, 0);
    if (status != LUA_OK) OnError(status);
    return 0;
}

int32_t ScriptEngine::ClearArgs() {
    Args.clear();
    ResultKind = ScriptNone;
    ResultText.clear();
    ResultNumber = 0.0;
    ResultBoolean = 0;
    return 0;
}

std::string ScriptEngine::GetArgString(lua_State* state, int32_t index) {
    if (!Ready() || !state) {
        Fail(kNotStarted);
        return std::string();
    }
    size_t length = 0;
    const char* text = luaL_checklstring(state, index, &length);
    // Built only after the check: a failed check longjmps out of this frame.
    return std::string(text, length);
}

double ScriptEngine::GetArgNumber(lua_State* state, int32_t index) {
    if (!Ready() || !state) return Fail(kNotStarted);
    return luaL_checknumber(state, index);
}

int32_t ScriptEngine::GetArgInt(lua_State* state, int32_t index) {
    if (!Ready() || !state) return Fail(kNotStarted);
    const double number = luaL_checknumber(state, index);
    // A plain cast of NaN or an out-of-range value is undefined.
    if (std::isnan(number)) return 0;
    if (number <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (number >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(number);
}

int32_t ScriptEngine::AddArgString(const std::string& text) {
    Args.push_back(ScriptArg{ScriptText, 0.0, text, 0});
    return 0;
}

int32_t ScriptEngine::AddArgNumber(double number) {
    Args.push_back(ScriptArg{ScriptNumber, number, std::string(), 0});
    return 0;
}

int32_t ScriptEngine::AddArgBoolean(int32_t flag) {
    Args.push_back(ScriptArg{ScriptBoolean, 0.0, std::string(), flag});
    return 0;
}

int32_t ScriptEngine::CallFunction(const std::string& name, int32_t wantResult) {
    if (!Ready()) return Fail(kNotStarted);
    GlobalCall call{name.c_str(), &Args, wantResult != 0 ? 1 : 0};
    const int base = lua_gettop(LuaState);
    lua_pushcfunction(LuaState, CallGlobal);
    lua_pushlightuserdata(LuaState, &call);
    const int status = lua_pcall(LuaState, 1, call.results, 0);
    if (status != LUA_OK) {
        OnError(status);
        return 0;
    }
    if (call.results != 0) TakeResult();
    // An unused result would otherwise stay behind and fill the stack call by call.
    lua_settop(LuaState, base);
    return 1;
}

void ScriptEngine::TakeResult() {
    if (lua_isnumber(LuaState, -1)) {
        ResultKind = ScriptNumber;
        ResultNumber = lua_tonumber(LuaState, -1);
    } else if (lua_type(LuaState, -1) == LUA_TBOOLEAN) {
        ResultKind = ScriptBoolean;
        ResultBoolean = lua_toboolean(LuaState, -1);
    } else if (lua_type(LuaState, -1) == LUA_TSTRING) {
        size_t length = 0;
        const char* text = lua_tolstring(LuaState, -1, &length);
        ResultKind = ScriptText;
        ResultText.assign(text, length);
    }
}

int32_t ScriptEngine::GetResultKind() const { return ResultKind; }
double ScriptEngine::GetResultNumber() const { return ResultNumber; }
int32_t ScriptEngine::GetResultBoolean() const { return ResultBoolean; }
std::string ScriptEngine::GetResultText() const { return ResultText; }

void ScriptEngine::OnError(int luaStatus) {
    if (!LuaState) {
        Fail(kNotStarted);
        return;
    }
    LastError = ErrorObjectText(LuaState);
    LastStatus = ScriptStatusFromLua(luaStatus);
    lua_settop(LuaState, 0);
}

int32_t ScriptEngine::LoadScript(const std::string& text) {
    Script.clear();
    if (!Ready()) return Fail(kNotStarted);
    lua_pushboolean(LuaState, 0);
    lua_rawsetp(LuaState, LUA_REGISTRYINDEX, &LoadedChunkKey);
    const int status = luaL_loadbufferx(LuaState, text.data(), text.size(), text.c_str(), "t");
    if (status != LUA_OK) {
        OnError(status);
        return 0;
    }
    lua_rawsetp(LuaState, LUA_REGISTRYINDEX, &LoadedChunkKey);
    Script = text;
    return 1;
}

int32_t ScriptEngine::Execute() {
    if (!Ready()) return Fail(kNotStarted);
    if (Script.empty()) return Fail(kNoScript);
    // After a restart Script is still set but the new interpreter has no chunk.
    if (lua_rawgetp(LuaState, LUA_REGISTRYINDEX, &LoadedChunkKey) != LUA_TFUNCTION) {
        lua_pop(LuaState, 1);
        return Fail(kNoScript);
    }
    const int status = lua_pcall(LuaState, 0, 0, 0);
    if (status != LUA_OK) {
        OnError(status);
        return 0;
    }
    return 1;
}

int32_t ScriptEngine::RunFile(const std::string& path) {
    if (!Ready()) return Fail(kNotStarted);
    int status = luaL_loadfilex(LuaState, path.c_str(), "t");
    if (status == LUA_OK) status = lua_pcall(LuaState, 0, 0, 0);
    if (status != LUA_OK) {
        OnError(status);
        return 0;
    }
    return 1;
}

std::string ScriptEngine::GetErrorText() const { return LastError; }
int32_t ScriptEngine::GetErrorStatus() const { return LastStatus; }

std::string ScriptEngineVersion() { return LUA_RELEASE; }

}  // namespace kvx
