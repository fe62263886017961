#pragma once

#include <cstdint>
#include <string>

namespace kvx {

// Kinds shared by ScriptArg::Kind and ScriptEngine::ResultKind.
enum ScriptKind : int32_t {
    ScriptNone = -1,
    ScriptNumber = 0,
    ScriptText = 1,
    ScriptBoolean = 2,
};

// One argument for the next ScriptEngine::CallFunction.
struct ScriptArg {
    int32_t Kind = ScriptNumber;
    double Number = 0.0;
    std::string Text;
    int32_t Flag = 0;  // any non-zero value is true
};

}  // namespace kvx
