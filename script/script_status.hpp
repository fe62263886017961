#pragma once

#include <cstdint>

namespace kvx {

// Status numbers the engine reports. They keep the numbering of the Lua 5.0
// interface that scripts and applications were written against; the linked
// Lua 5.4 numbers its statuses differently:
//
//   reported            Lua 5.4
//   0 ScriptOk          LUA_OK        (0)
//   1 ScriptRunError    LUA_ERRRUN    (2)
//   2 ScriptFileError   LUA_ERRFILE   (6)
//   3 ScriptSyntaxError LUA_ERRSYNTAX (3)
//   4 ScriptMemoryError LUA_ERRMEM    (4)
//   5 ScriptHandlerError LUA_ERRERR   (5)
//
// Any other non-zero status is reported as a run-time error.
enum ScriptStatus : int32_t {
    ScriptOk = 0,
    ScriptRunError = 1,
    ScriptFileError = 2,
    ScriptSyntaxError = 3,
    ScriptMemoryError = 4,
    ScriptHandlerError = 5,
};

ScriptStatus ScriptStatusFromLua(int luaStatus);

}  // namespace kvx
