#pragma once
// Objects made from a key once and shared while anyone holds them (internal): the same picture
// asked for again is the same picture, and nothing is kept for its own sake.
#include <memory>
#include <string>
#include <unordered_map>

namespace kvx {

template <class T>
class WeakCache {
public:
    template <class Make>
    std::shared_ptr<T> Get(const std::string& key, Make make) {
        if (const auto it = entries_.find(key); it != entries_.end()) {
            if (std::shared_ptr<T> alive = it->second.lock()) return alive;
        }
        std::shared_ptr<T> made = make();
        if (!made) return made;
        entries_[key] = made;
        if (entries_.size() >= pruneAt_) Prune();
        return made;
    }

private:
    // Keys of objects gone are dropped now and then, so the table stays the size of what lives.
    void Prune() {
        std::erase_if(entries_, [](const auto& entry) { return entry.second.expired(); });
        pruneAt_ = std::max(kFirstPrune, 2 * entries_.size());
    }

    static constexpr size_t kFirstPrune = 64;
    std::unordered_map<std::string, std::weak_ptr<T>> entries_;
    size_t pruneAt_ = kFirstPrune;
};

}  // namespace kvx
