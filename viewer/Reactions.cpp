#include "viewer/Reactions.h"

#include "viewer/Shell.h"

int32_t FollowReaction(const TPLBDataItem& Item, int32_t Link, TPLBData& Data) {
    for (const auto& reaction : Item.Reactions) {
        if (reaction->LinkNumber != Link) continue;
        // Kept apart: opening the file runs other code before the jump.
        const int32_t target = reaction->Target;
        const AnsiString shellFile = reaction->ShellFile;
        if (reaction->NavStart != 2) Data.NavStart = reaction->NavStart;
        if (!shellFile.empty()) ShellOpen(shellFile);
        return target;
    }
    return 0;
}
