#include "components/QLPersistent.h"

#include <typeinfo>

void TQLPersistent::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
}

bool TQLPersistent::EndUpdate(bool Force) {
    if (FUpdateCount == 0) return false;
    --FUpdateCount;
    if (!FChangePending && !Force) return false;
    if (FUpdateCount > 0) return false;
    Changed(FLastSender);
    return true;
}

void TQLPersistent::Changed(TObject* Sender) {
    if (OnChange && FUpdateCount == 0) {
        // Lowered again even when the handler throws.
        struct TRaise {
            int32_t& Count;
            explicit TRaise(int32_t& C) : Count(C) { ++Count; }
            ~TRaise() { --Count; }
        } raise(FUpdateCount);
        OnChange(Sender);
    }
    FChangePending = FUpdateCount > 0;
    FLastSender = Sender;
}

void TQLPersistent::Assign(const TQLPersistent& Source) {
    if (&Source != this && AssignableFrom(Source)) Changed(this);
}

bool TQLPersistent::AssignableFrom(const TQLPersistent& Source) const {
    return typeid(Source) == typeid(*this);
}
