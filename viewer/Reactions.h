#pragma once

#include "data/Textbook.h"

// Acts on the first reaction of Item to link Link: puts its navigation set in
// force for the next page change (unless it keeps the current one) and opens
// its shell file. Returns the page it leads to (0 or less for none); 0 when
// Item has no reaction to Link.
int32_t FollowReaction(const TPLBDataItem& Item, int32_t Link, TPLBData& Data);
