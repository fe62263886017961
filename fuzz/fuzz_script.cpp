// Arbitrary text through ScriptEngine: Start, LoadScript, Execute. The target alone bounds each
// run, by instructions (so endless loops end) and by memory (so string.rep bombs end).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_support.hpp"
#include "script/script_engine.hpp"

namespace {

constexpr int kHookInterval = 1000;
constexpr int kInstructionBudget = 20000;
constexpr size_t kMemoryBudget = size_t(8) << 20;

int hookCalls = 0;
size_t luaBytes = 0;

void CountInstructions(lua_State* L, lua_Debug*) {
    if (++hookCalls * kHookInterval < kInstructionBudget) return;
    // From now on every instruction fails, so a loop around pcall cannot swallow the error.
    lua_sethook(L, CountInstructions, LUA_MASKCOUNT, 1);
    luaL_error(L, "instruction budget exhausted");
}

// The state's blocks come from realloc/free, like Lua's own allocator, so the two can mix.
void* LimitedAlloc(void*, void* block, size_t oldSize, size_t newSize) {
    if (!block) oldSize = 0;
    if (newSize == 0) {
        std::free(block);
        luaBytes -= oldSize;
        return nullptr;
    }
    if (newSize > oldSize && luaBytes + (newSize - oldSize) > kMemoryBudget) return nullptr;
    void* grown = std::realloc(block, newSize);
    if (grown) luaBytes += newSize - oldSize;
    return grown;
}

// No child processes and no waiting on standard input from a fuzzer.
void RemoveProcessAndStdin(lua_State* L) {
    lua_getglobal(L, "io");
    for (const char* name : {"popen", "read", "lines", "input", "stdin"}) {
        lua_pushnil(L);
        lua_setfield(L, -2, name);
    }
    lua_pop(L, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Files the script opens land in the scratch directory.
    static const bool inScratch = [] {
        std::filesystem::current_path(kvx::fuzz::ScratchRoot());
        return true;
    }();
    (void)inScratch;
    kvx::ScriptEngine engine;
    engine.Start();
    if (!engine.LuaState) return 0;
    lua_State* L = engine.LuaState;
    luaBytes = size_t(lua_gc(L, LUA_GCCOUNT)) * 1024 + size_t(lua_gc(L, LUA_GCCOUNTB));
    lua_setallocf(L, LimitedAlloc, nullptr);
    RemoveProcessAndStdin(L);
    hookCalls = 0;
    lua_sethook(L, CountInstructions, LUA_MASKCOUNT, kHookInterval);

    const std::string text(reinterpret_cast<const char*>(data), size);
    if (engine.LoadScript(text)) engine.Execute();
    engine.Stop();
    return 0;
}
