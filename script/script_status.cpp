#include "script/script_status.hpp"

#include <lua.hpp>

namespace kvx {

ScriptStatus ScriptStatusFromLua(int luaStatus) {
    switch (luaStatus) {
        case LUA_OK: return ScriptOk;
        case LUA_ERRFILE: return ScriptFileError;
        case LUA_ERRSYNTAX: return ScriptSyntaxError;
        case LUA_ERRMEM: return ScriptMemoryError;
        case LUA_ERRERR: return ScriptHandlerError;
        default: return ScriptRunError;
    }
}

}  // namespace kvx
