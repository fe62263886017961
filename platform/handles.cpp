#include "platform/handles.hpp"

#include <array>
#include <variant>
#include <vector>

namespace kvx {
namespace {

using Held = std::variant<std::monostate, ImagePtr, SoundPtr>;

// Every drawn picture is looked up by its handle, thousands of times a frame: handles index pages
// of slots, two loads a lookup. A page goes once every object in it is released, so a long
// session keeps only the pages of handles still held.
constexpr int kPageBits = 10;
constexpr int kPageSize = 1 << kPageBits;

struct Page {
    std::array<Held, kPageSize> slots;
    int live = 0;
};

struct HandleTable {
    std::vector<std::unique_ptr<Page>> pages;
    int live = 0;

    Held* Slot(int handle) {
        if (handle <= 0) return nullptr;
        const size_t page = size_t(handle) >> kPageBits;
        if (page >= pages.size() || !pages[page]) return nullptr;
        return &pages[page]->slots[size_t(handle) & (kPageSize - 1)];
    }
    size_t filling = 0;  // the page new objects go to, kept while empty so as not to churn

    void Put(int handle, Held held) {
        const size_t page = size_t(handle) >> kPageBits;
        if (page != filling && filling < pages.size() && pages[filling] && pages[filling]->live == 0) {
            pages[filling].reset();
        }
        filling = page;
        if (page >= pages.size()) pages.resize(page + 1);
        if (!pages[page]) pages[page] = std::make_unique<Page>();
        pages[page]->slots[size_t(handle) & (kPageSize - 1)] = std::move(held);
        ++pages[page]->live;
        ++live;
    }
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

int g_lastHandle = 0;

template <class T>
std::shared_ptr<T> Lookup(int handle) {
    const Held* held = Table().Slot(handle);
    if (!held) return nullptr;
    if (const auto* object = std::get_if<std::shared_ptr<T>>(held)) return *object;
    return nullptr;
}

}  // namespace

int NewObjectHandle() { return ++g_lastHandle; }

int HandleFromImage(const ImagePtr& image) {
    if (!image) return 0;
    const int handle = NewObjectHandle();
    Table().Put(handle, image);
    return handle;
}

int HandleFromSound(const SoundPtr& sound) {
    if (!sound) return 0;
    const int handle = NewObjectHandle();
    Table().Put(handle, sound);
    return handle;
}

ImagePtr ImageFromHandle(int handle) { return Lookup<Image>(handle); }
SoundPtr SoundFromHandle(int handle) { return Lookup<Sound>(handle); }

void ReleaseHandle(int handle) {
    HandleTable& table = Table();
    Held* held = table.Slot(handle);
    if (!held || std::holds_alternative<std::monostate>(*held)) return;
    *held = std::monostate{};
    --table.live;
    const size_t page = size_t(handle) >> kPageBits;
    if (--table.pages[page]->live == 0 && page != table.filling) table.pages[page].reset();
}

int LiveHandleCount() { return Table().live; }

}  // namespace kvx
