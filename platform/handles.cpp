#include "platform/handles.hpp"

#include <unordered_map>
#include <variant>

namespace kvx {
namespace {

using Held = std::variant<ImagePtr, SoundPtr>;

std::unordered_map<int, Held>& Table() {
    static std::unordered_map<int, Held> table;
    return table;
}

int g_lastHandle = 0;

template <class T>
std::shared_ptr<T> Lookup(int handle) {
    auto it = Table().find(handle);
    if (it == Table().end()) return nullptr;
    if (auto* held = std::get_if<std::shared_ptr<T>>(&it->second)) return *held;
    return nullptr;
}

}  // namespace

int NewObjectHandle() { return ++g_lastHandle; }

int HandleFromImage(const ImagePtr& image) {
    if (!image) return 0;
    int handle = NewObjectHandle();
    Table().emplace(handle, image);
    return handle;
}

int HandleFromSound(const SoundPtr& sound) {
    if (!sound) return 0;
    int handle = NewObjectHandle();
    Table().emplace(handle, sound);
    return handle;
}

ImagePtr ImageFromHandle(int handle) { return Lookup<Image>(handle); }
SoundPtr SoundFromHandle(int handle) { return Lookup<Sound>(handle); }
void ReleaseHandle(int handle) { Table().erase(handle); }
int LiveHandleCount() { return int(Table().size()); }

}  // namespace kvx
