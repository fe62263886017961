#include "script/script_libraries.hpp"

namespace kvx {
namespace {

// These run as Lua C functions: a Lua error leaves them by longjmp, so they
// hold no C++ objects with destructors.

// Calls the original loader (upvalue 1) with its mode argument forced to "t".
int CallLoaderInTextMode(lua_State* L, int modeIndex) {
    // Padding with nil only up to the mode keeps a missing env argument missing;
    // an explicit nil env would give the chunk no globals at all.
    if (lua_gettop(L) < modeIndex) lua_settop(L, modeIndex);
    lua_pushliteral(L, "t");
    lua_replace(L, modeIndex);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

int LoadText(lua_State* L) { return CallLoaderInTextMode(L, 3); }      // load(chunk, name, mode, env)
int LoadFileText(lua_State* L) { return CallLoaderInTextMode(L, 2); }  // loadfile(name, mode, env)

// dofile(name) has no mode argument, so it is rebuilt on the text-only loader.
int DoFileText(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    lua_settop(L, 1);
    if (luaL_loadfilex(L, name, "t") != LUA_OK) return lua_error(L);
    lua_call(L, 0, LUA_MULTRET);
    return lua_gettop(L) - 1;
}

void WrapGlobalLoader(lua_State* L, const char* name, lua_CFunction wrapper) {
    lua_getglobal(L, name);
    lua_pushcclosure(L, wrapper, 1);
    lua_setglobal(L, name);
}

}  // namespace

void OpenScriptLibraries(lua_State* L) {
    const luaL_Reg libraries[] = {
        {LUA_GNAME, luaopen_base},        {LUA_TABLIBNAME, luaopen_table}, {LUA_IOLIBNAME, luaopen_io},
        {LUA_STRLIBNAME, luaopen_string}, {LUA_MATHLIBNAME, luaopen_math},
    };
    for (const luaL_Reg& library : libraries) {
        luaL_requiref(L, library.name, library.func, 1);
        lua_pop(L, 1);
    }
    WrapGlobalLoader(L, "load", LoadText);
    WrapGlobalLoader(L, "loadfile", LoadFileText);
    lua_pushcfunction(L, DoFileText);
    lua_setglobal(L, "dofile");
}

}  // namespace kvx
