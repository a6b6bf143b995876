#pragma once

#include "sheets/FormatSettings.h"

#include <QPageLayout>
#include <QPageSize>

namespace velm::blent
{

// The paper of a Windows paper code; codes it does not know give A4.
QPageSize PaperForCode(int paperCode);

// The paper and orientation of `format`, with zero margins: the sheet places everything
// itself, measured from the paper's corner.
QPageLayout PageLayoutFor(const PrintFormat& format);

} // namespace velm::blent
