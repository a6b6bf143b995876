#pragma once

#include "blent/PageLayout.h"

#include <optional>
#include <vector>

namespace velm::blent
{

enum class Stroke { None, Light, Heavy };

// The four arms of a box-drawing character, from the middle of its cell to the middle of
// an edge.
struct BoxArms {
    Stroke up = Stroke::None;
    Stroke right = Stroke::None;
    Stroke down = Stroke::None;
    Stroke left = Stroke::None;
};

// The arms of the box-drawing characters that code page 932 holds (the light and heavy
// lines, corners, tees and crosses), or nothing for any other character.
std::optional<BoxArms> BoxArmsOf(char32_t ch);

// The rectangles that draw a box-drawing character in `cell`: each arm runs from the
// cell's edge to its middle, the horizontal ones at height `middle`, and a little past the
// middle so that arms meet without a gap. Since every arm reaches the cell's edge, the rules
// of neighbouring cells and lines join exactly.
std::vector<RectPt> BoxStrokes(const BoxArms& arms, const RectPt& cell, double middle,
                               double fontSize);

} // namespace velm::blent
