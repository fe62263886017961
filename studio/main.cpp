// Korvex Studio: the interface designer's entry point and frame loop.
#include "studio/frame_loop.hpp"

int main() { return kvx::studio::Run(); }
