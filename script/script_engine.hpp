#pragma once

#include <cstdint>
#include <lua.hpp>
#include <string>
#include <vector>

#include "script/script_arg.hpp"
#include "script/script_status.hpp"

namespace kvx {

// Owns one embedded Lua interpreter: registers application functions as
// globals, loads and runs script text or files, and calls global script
// functions with number, text and boolean arguments.
//
// Registered functions are plain Lua C functions, int f(lua_State*), that read
// their arguments with GetArg* and return results with Push*. Lua is built as
// C and raises errors with longjmp: a failed GetArg* leaves the registered
// function without running destructors, so fetch every argument before any
// object with a destructor is alive there (numbers first, then the strings
// whose checks can no longer fail). Start and Stop must not be called from
// inside a registered function.
class ScriptEngine {
public:
    int32_t Started = 0;
    std::string Script;     // text of the last successful LoadScript
    std::string LastError;  // message of the last failure
    // Status of the last failure in the Lua 5.0 numbering: run-time 1, file 2,
    // syntax 3, memory 4, error handler 5 (Lua 5.4's LUA_ERRRUN 2, LUA_ERRFILE 6,
    // LUA_ERRSYNTAX 3, LUA_ERRMEM 4, LUA_ERRERR 5; see ScriptStatus); 0 for the
    // engine's own messages.
    int32_t LastStatus = ScriptOk;
    lua_State* LuaState = nullptr;
    std::vector<ScriptArg> Args;  // arguments for the next CallFunction
    std::string ResultText;
    double ResultNumber = 0.0;
    int32_t ResultBoolean = 0;
    int32_t ResultKind = ScriptNone;

    ScriptEngine() = default;
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // (Re)creates the interpreter with the base, table, io, string and math
    // libraries; load, loadfile and dofile accept source text only.
    virtual int32_t Start();
    // Push a result onto the state of a running registered function.
    virtual int32_t PushString(lua_State* state, const std::string& text);
    virtual int32_t PushNumber(lua_State* state, double number);
    virtual int32_t PushBoolean(lua_State* state, int32_t flag);
    virtual int32_t RegisterFunction(lua_CFunction function, const std::string& name);
    virtual int32_t ClearArgs();
    // Checked reads of a registered function's argument; a wrong type raises
    // the Lua argument error in the calling script.
    virtual std::string GetArgString(lua_State* state, int32_t index);
    virtual double GetArgNumber(lua_State* state, int32_t index);
    virtual int32_t GetArgInt(lua_State* state, int32_t index);  // truncated, clamped to int32
    virtual int32_t AddArgString(const std::string& text);
    virtual int32_t AddArgNumber(double number);
    virtual int32_t AddArgBoolean(int32_t flag);
    // Calls global `name` with Args; returns 1 on success. With wantResult
    // non-zero the first result is kept when it is a number, boolean or string.
    virtual int32_t CallFunction(const std::string& name, int32_t wantResult);
    virtual int32_t GetResultKind() const;
    virtual double GetResultNumber() const;
    virtual int32_t GetResultBoolean() const;
    virtual std::string GetResultText() const;
    // Records the error object on top of the stack with the Lua 5.4 status
    // `luaStatus`, then empties the stack.
    virtual void OnError(int luaStatus);
    // Compiles source text for Execute; binary chunks are refused.
    virtual int32_t LoadScript(const std::string& text);
    virtual int32_t RunFile(const std::string& path);  // source text only
    // Runs the chunk of the last successful LoadScript in this interpreter.
    virtual int32_t Execute();
    virtual std::string GetErrorText() const;
    virtual int32_t GetErrorStatus() const;
    virtual int32_t Stop();
    virtual int32_t IsStarted() const;

    // Declared after the operations so that they keep the first vtable slots.
    virtual ~ScriptEngine();

private:
    bool Ready() const;
    int32_t Fail(const char* message);
    void TakeResult();
};

// The interpreter's release, as "Lua 5.4.4".
std::string ScriptEngineVersion();

}  // namespace kvx
