#pragma once

#include "platform/base/Types.h"

#include <cstdint>

// The base of settings objects that report their changes to an owner. Changes
// made between BeginUpdate and the outermost EndUpdate(Force) are reported
// once, with the sender of the last change.
class TQLPersistent : public TObject {
public:
    void BeginUpdate() { ++FUpdateCount; }
    // Closes one level of updating without ever reporting.
    void EndUpdate();
    // Closes one level; when that was the outermost one and a change is
    // pending (or Force), reports it and returns true.
    bool EndUpdate(bool Force);

    // Reports a change to OnChange unless an update is open, in which case it
    // is remembered. The handler runs with the update count raised, so
    // changes it makes are not reported back into it.
    virtual void Changed(TObject* Sender);

    // Reports one change when Source is of this object's class (see
    // AssignableFrom) and is not this object. Descendants copy their fields
    // inside BeginUpdate / EndUpdate() and then call this.
    virtual void Assign(const TQLPersistent& Source);

    int32_t UpdateCount() const { return FUpdateCount; }
    bool ChangePending() const { return FChangePending; }
    TObject* LastSender() const { return FLastSender; }

    TNotifyEvent OnChange;

protected:
    // True when Source's class is this object's class or derives from it.
    // The default accepts exactly this object's class; a class whose
    // descendants may be assigned to it overrides this with a dynamic_cast.
    virtual bool AssignableFrom(const TQLPersistent& Source) const;

private:
    int32_t FUpdateCount = 0;
    bool FChangePending = false;
    TObject* FLastSender = nullptr;
};
