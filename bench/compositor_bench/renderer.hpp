#pragma once
// A renderer draws the whole scene into its own 1024x768 frame.
#include <cstdint>
#include <memory>
#include <vector>

#include "scene.hpp"

namespace kvx::bench {

class Renderer {
public:
    virtual ~Renderer() = default;
    virtual const char* Name() const = 0;
    // Called before the renderer draws a series of frames.
    virtual void Activate() {}
    // One entry of the scene's draw list, then what ends a frame.
    virtual void Render(size_t draw) = 0;
    virtual void EndFrame() {}
    void RenderFrame(size_t draws) {
        for (size_t i = 0; i < draws; ++i) Render(i);
        EndFrame();
    }
    // The last frame as 0x00RRGGBB, row by row.
    virtual std::vector<uint32_t> Pixels() const = 0;
};

// The headless display that the korvex renderers draw on, open while this lives.
class HeadlessDisplay {
public:
    HeadlessDisplay();
    ~HeadlessDisplay();
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;
};

// Each keeps what it needs of the scene, converted once, as an application would at load time.
// Ours runs with the kernels the processor gets by default, or with the plain x86-64 ones.
enum class Kernels { Default, Plain };
std::unique_ptr<Renderer> MakeKorvexRenderer(const Scene& scene, Kernels kernels);
std::unique_ptr<Renderer> MakeSdlRenderer(const Scene& scene);
std::unique_ptr<Renderer> MakePixmanRenderer(const Scene& scene);

}  // namespace kvx::bench
