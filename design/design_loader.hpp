#pragma once
// A design made in the studio, loaded by an application at run time: its windows and gadgets
// made as the application's own (windows movable, title buttons working), found by handle.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/gadget.hpp"

namespace kvx {

class KVX_LoadedDesign {
public:
    // False when nothing was made; Error() then names the file and the reason.
    bool Ok() const { return ok_; }
    std::string Error() const { return error_; }

    // The gadget of that handle (the first, when a hand-edited file repeats one); null when absent.
    KVX_GadgetRef Find(std::string_view handle) const;
    // The same as its own class; null when absent or of another kind.
    template <class T>
    std::shared_ptr<T> Get(std::string_view handle) const {
        return std::dynamic_pointer_cast<T>(Find(handle));
    }
    // Every gadget with its handle, in the file's order (windows before their gadgets).
    const std::vector<std::pair<std::string, KVX_GadgetRef>>& Gadgets() const { return gadgets_; }

    // Frees every gadget of the design; Find finds nothing afterwards.
    void Free();

private:
    friend KVX_LoadedDesign KVX_LoadDesign(const std::string& path);

    bool ok_ = false;
    std::string error_ = "nothing loaded";
    std::vector<std::pair<std::string, KVX_GadgetRef>> gadgets_;
    std::unordered_map<std::string, size_t> index_;
};

// Reads a .kvx file and makes its gadgets; a file that is missing, damaged, beyond the reader's
// limits or too costly makes nothing. Pictures named in the file are read relative to the
// working folder, as the studio reads them.
KVX_LoadedDesign KVX_LoadDesign(const std::string& path);

}  // namespace kvx
