#pragma once
// The draw calls of one frame in the order they came (internal to the platform layer). A clear
// drops every earlier call inside it, which it would paint over anyway: a frame that starts with
// a clear of the screen, or a gadget builder's clear mid-frame, starts the list afresh.
#include <vector>

#include "platform/draw_call.hpp"

namespace kvx {

class DrawList {
public:
    void Add(DrawCall&& call);
    void Clear() { calls_.clear(); }
    void Swap(DrawList& other) { calls_.swap(other.calls_); }

    const std::vector<DrawCall>& Calls() const { return calls_; }
    size_t Size() const { return calls_.size(); }

private:
    std::vector<DrawCall> calls_;
};

}  // namespace kvx
