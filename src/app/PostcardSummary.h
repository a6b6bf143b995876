#pragma once

#include "sheets/PostcardBatch.h"

#include <QString>

namespace velm
{

// What the user is told after a printing run: how many address sides were made, then one
// line for each kind of card that needs a look, naming its cards.
QString PostcardSummary(const PostcardRun& run);

} // namespace velm
