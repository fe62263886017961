#pragma once

#include <lua.hpp>

namespace kvx {

// Opens the base, table, io, string and math libraries, in that order, and
// replaces the globals load, loadfile and dofile with versions that accept
// source text only: precompiled chunks are not verified by the interpreter
// and a crafted one can crash it. Raises Lua errors, so call it only inside
// a protected call.
void OpenScriptLibraries(lua_State* state);

}  // namespace kvx
