#include "blent/BoxDrawing.h"

#include <algorithm>
#include <array>

namespace velm::blent
{
namespace
{

// The thickness of a stroke, in parts of the font size.
constexpr double kLightThickness = 0.06;
constexpr double kHeavyThickness = 0.12;

struct BoxCharacter {
    char32_t ch;
    BoxArms arms;
};

using enum Stroke;

// Arms in the order up, right, down, left.
constexpr std::array<BoxCharacter, 32> kBoxCharacters{{
    {U'─', {None, Light, None, Light}},   {U'│', {Light, None, Light, None}},
    {U'┌', {None, Light, Light, None}},   {U'┐', {None, None, Light, Light}},
    {U'┘', {Light, None, None, Light}},   {U'└', {Light, Light, None, None}},
    {U'├', {Light, Light, Light, None}},  {U'┬', {None, Light, Light, Light}},
    {U'┤', {Light, None, Light, Light}},  {U'┴', {Light, Light, None, Light}},
    {U'┼', {Light, Light, Light, Light}}, {U'━', {None, Heavy, None, Heavy}},
    {U'┃', {Heavy, None, Heavy, None}},   {U'┏', {None, Heavy, Heavy, None}},
    {U'┓', {None, None, Heavy, Heavy}},   {U'┛', {Heavy, None, None, Heavy}},
    {U'┗', {Heavy, Heavy, None, None}},   {U'┣', {Heavy, Heavy, Heavy, None}},
    {U'┳', {None, Heavy, Heavy, Heavy}},  {U'┫', {Heavy, None, Heavy, Heavy}},
    {U'┻', {Heavy, Heavy, None, Heavy}},  {U'╋', {Heavy, Heavy, Heavy, Heavy}},
    {U'┠', {Heavy, Light, Heavy, None}},  {U'┯', {None, Heavy, Light, Heavy}},
    {U'┨', {Heavy, None, Heavy, Light}},  {U'┷', {Light, Heavy, None, Heavy}},
    {U'┿', {Light, Heavy, Light, Heavy}}, {U'┝', {Light, Heavy, Light, None}},
    {U'┰', {None, Light, Heavy, Light}},  {U'┥', {Light, None, Light, Heavy}},
    {U'┸', {Heavy, Light, None, Light}},  {U'╂', {Heavy, Light, Heavy, Light}},
}};

double Thickness(Stroke stroke, double fontSize)
{
    switch (stroke) {
    case None:
        break;
    case Light:
        return kLightThickness * fontSize;
    case Heavy:
        return kHeavyThickness * fontSize;
    }
    return 0;
}

} // namespace

std::optional<BoxArms> BoxArmsOf(char32_t ch)
{
    for (const BoxCharacter& box : kBoxCharacters) {
        if (box.ch == ch)
            return box.arms;
    }
    return std::nullopt;
}

std::vector<RectPt> BoxStrokes(const BoxArms& arms, const RectPt& cell, double middle,
                               double fontSize)
{
    const double up = Thickness(arms.up, fontSize);
    const double right = Thickness(arms.right, fontSize);
    const double down = Thickness(arms.down, fontSize);
    const double left = Thickness(arms.left, fontSize);
    const double centre = cell.left + cell.width / 2;
    // How far an arm reaches past the middle: to cover the crossing arms, or, in a straight
    // line, to overlap the arm opposite.
    const double crossWidth = std::max(left, right);
    const double crossHeight = std::max(up, down);
    const double verticalReach = (crossWidth > 0 ? crossWidth : crossHeight) / 2;
    const double horizontalReach = (crossHeight > 0 ? crossHeight : crossWidth) / 2;

    std::vector<RectPt> strokes;
    if (up > 0)
        strokes.push_back({centre - up / 2, cell.top, up, middle + verticalReach - cell.top});
    if (down > 0)
        strokes.push_back({centre - down / 2, middle - verticalReach, down,
                           cell.bottom() - (middle - verticalReach)});
    if (left > 0)
        strokes.push_back(
            {cell.left, middle - left / 2, centre + horizontalReach - cell.left, left});
    if (right > 0)
        strokes.push_back({centre - horizontalReach, middle - right / 2,
                           cell.right() - (centre - horizontalReach), right});
    return strokes;
}

} // namespace velm::blent
