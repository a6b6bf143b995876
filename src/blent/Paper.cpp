#include "blent/Paper.h"

#include <array>
#include <utility>

namespace velm::blent
{
namespace
{

constexpr std::array<std::pair<int, QPageSize::PageSizeId>, 11> kPapers{{
    {1, QPageSize::Letter},
    {5, QPageSize::Legal},
    {8, QPageSize::A3},
    {9, QPageSize::A4},
    {10, QPageSize::A4},
    {11, QPageSize::A5},
    {12, QPageSize::JisB4},
    {13, QPageSize::JisB5},
    {70, QPageSize::A6},
    {88, QPageSize::JisB6},
    {89, QPageSize::JisB6}, // the rotated B6 code prints on the same paper
}};

} // namespace

QPageSize PaperForCode(int paperCode)
{
    for (const auto& [code, id] : kPapers) {
        if (code == paperCode)
            return QPageSize(id);
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout PageLayoutFor(const PrintFormat& format)
{
    const auto orientation = format.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait;
    return QPageLayout(PaperForCode(format.paperCode), orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

} // namespace velm::blent
