#pragma once
// While a drag moves or resizes a record, the lines of its box (edges and centre) that come within
// a few pixels of a neighbour's snap to it, and a guide shows each line-up. Neighbours are the
// unselected gadgets of its window, or the other windows for a window. Alt held, or the
// preference off, leaves the box where the pointer puts it.
#include "design/designed_gadget.hpp"
#include "studio/hit_area.hpp"

namespace kvx::studio {

inline constexpr int kGuideSnapDistance = 4;

// The lines of the dragged box that may line up: all for a move, the held sides for a resize.
struct GuideLines {
    bool Left = true, CentreX = true, Right = true;
    bool Top = true, CentreY = true, Bottom = true;
};

struct GuideOffset {
    int Dx = 0, Dy = 0;
    bool OnX = false, OnY = false;  // a neighbour's line was near on that axis
};

bool GuidesWanted();
// How far the box must go, on each axis alone, for its nearest line to meet a neighbour's.
GuideOffset NearestGuides(const DesignedGadget& dragged, const HitArea& box, const GuideLines& lines);
// Draws a guide for every line the box shares with a neighbour, across both of them.
void DrawGuides(const DesignedGadget& dragged, const HitArea& box, const GuideLines& lines);

}  // namespace kvx::studio
