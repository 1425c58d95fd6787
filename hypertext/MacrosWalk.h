#pragma once

#include "hypertext/HyperDocument.h"
#include "hypertext/HyperMacros.h"

#include <memory>
#include <vector>

// Visits the objects of laid-out lines in page order, descending into the
// lines of each side box where it stands; Visit returns false to stop. False
// when the walk was stopped.
template <class TVisit>
bool WalkMacros(const std::vector<std::unique_ptr<THyperString>>& Lines, TVisit&& Visit) {
    for (const auto& line : Lines)
        for (const auto& word : line->Words) {
            if (word->Macros && !Visit(*word->Macros)) return false;
            if (word->Border && !WalkMacros(word->Border->Lines, Visit)) return false;
        }
    return true;
}
