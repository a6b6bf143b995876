#include "store/CardRecord.h"

namespace velm
{

std::array<ShortString*, CardRecord::kFieldCount> CardRecord::fields()
{
    return {&Name1, &Name2, &Yomi, &Mark, &Jusyo1, &Jusyo2, &PostNo, &Tel, &biko1, &biko2, &biko3};
}

std::array<const ShortString*, CardRecord::kFieldCount> CardRecord::fields() const
{
    return {&Name1, &Name2, &Yomi, &Mark, &Jusyo1, &Jusyo2, &PostNo, &Tel, &biko1, &biko2, &biko3};
}

void CardRecord::clear()
{
    for (ShortString* field : fields())
        field->clear();
}

} // namespace velm
