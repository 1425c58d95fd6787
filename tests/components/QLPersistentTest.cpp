// Update counting and change notification of TQLPersistent.
#include "components/QLPersistent.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A settings object written the way descendants are: notifying setters and
// an Assign that copies inside an update.
class TSample : public TQLPersistent {
public:
    int Value() const { return FValue; }
    void SetValue(int V) {
        if (V == FValue) return;
        FValue = V;
        Changed(this);
    }
    void Assign(const TQLPersistent& Source) override {
        auto* source = dynamic_cast<const TSample*>(&Source);
        if (!source || source == this) return;
        BeginUpdate();
        FValue = source->FValue;
        EndUpdate();
        TQLPersistent::Assign(Source);
    }

protected:
    bool AssignableFrom(const TQLPersistent& Source) const override {
        return dynamic_cast<const TSample*>(&Source) != nullptr;
    }

private:
    int FValue = 0;
};

class TDerivedSample : public TSample {};
class TOther : public TQLPersistent {};

struct TRecorder {
    std::vector<TObject*> Senders;
    void Attach(TQLPersistent& P) {
        P.OnChange = [this](TObject* Sender) { Senders.push_back(Sender); };
    }
};

} // namespace

TEST(QLPersistent, ChangesOutsideUpdatesNotifyAtOnce) {
    TSample s;
    TRecorder r;
    r.Attach(s);
    s.SetValue(1);
    s.SetValue(1); // unchanged: nothing
    ASSERT_EQ(r.Senders.size(), 1u);
    EXPECT_EQ(r.Senders[0], &s);
    EXPECT_FALSE(s.ChangePending());
    EXPECT_EQ(s.LastSender(), &s);
}

TEST(QLPersistent, EndUpdateWithoutArgumentNeverNotifies) {
    TSample s;
    TRecorder r;
    r.Attach(s);
    s.EndUpdate();
    EXPECT_EQ(s.UpdateCount(), 0);
    s.BeginUpdate();
    s.SetValue(5);
    EXPECT_TRUE(s.ChangePending());
    s.EndUpdate();
    EXPECT_EQ(s.UpdateCount(), 0);
    EXPECT_TRUE(r.Senders.empty());
    EXPECT_FALSE(s.EndUpdate(false)); // count already 0
}

TEST(QLPersistent, NestedUpdatesReportOnceWithTheLastSender) {
    TSample s;
    TRecorder r;
    r.Attach(s);
    TObject a, b;
    s.BeginUpdate();
    s.BeginUpdate();
    s.Changed(&a);
    s.Changed(&b);
    EXPECT_FALSE(s.EndUpdate(false));
    EXPECT_TRUE(r.Senders.empty());
    EXPECT_TRUE(s.EndUpdate(false));
    ASSERT_EQ(r.Senders.size(), 1u);
    EXPECT_EQ(r.Senders[0], &b);
    EXPECT_FALSE(s.ChangePending());
}

TEST(QLPersistent, ForcedEndNotifiesWithoutPendingChange) {
    TSample s;
    TRecorder r;
    r.Attach(s);
    s.BeginUpdate();
    EXPECT_TRUE(s.EndUpdate(true));
    ASSERT_EQ(r.Senders.size(), 1u);
    EXPECT_EQ(r.Senders[0], nullptr); // no sender was ever stored

    s.BeginUpdate();
    EXPECT_FALSE(s.EndUpdate(false)); // nothing pending
    EXPECT_EQ(r.Senders.size(), 1u);

    // Forcing an inner level does not report yet.
    s.BeginUpdate();
    s.BeginUpdate();
    EXPECT_FALSE(s.EndUpdate(true));
    EXPECT_EQ(s.UpdateCount(), 1);
    EXPECT_TRUE(s.EndUpdate(true));
    EXPECT_EQ(r.Senders.size(), 2u);
}

TEST(QLPersistent, HandlerChangesAreNotReportedBackIntoIt) {
    TSample s;
    int calls = 0;
    s.OnChange = [&](TObject*) {
        ++calls;
        s.SetValue(s.Value() + 1);
    };
    s.SetValue(10);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.Value(), 11);
    EXPECT_EQ(s.UpdateCount(), 0);
    EXPECT_FALSE(s.ChangePending());
}

TEST(QLPersistent, UpdateCountSurvivesAThrowingHandler) {
    TSample s;
    s.OnChange = [](TObject*) { throw std::runtime_error("handler"); };
    EXPECT_THROW(s.SetValue(1), std::runtime_error);
    EXPECT_EQ(s.UpdateCount(), 0);
}

TEST(QLPersistent, AssignReportsOneChangeFromItsOwnClass) {
    TSample source, target;
    source.SetValue(42);
    TRecorder r;
    r.Attach(target);
    target.Assign(source);
    EXPECT_EQ(target.Value(), 42);
    ASSERT_EQ(r.Senders.size(), 1u);
    EXPECT_EQ(r.Senders[0], &target);

    TDerivedSample derived;
    derived.SetValue(7);
    target.Assign(derived);
    EXPECT_EQ(target.Value(), 7);
    EXPECT_EQ(r.Senders.size(), 2u);

    TOther other;
    target.Assign(other);
    target.Assign(target);
    EXPECT_EQ(r.Senders.size(), 2u);
    EXPECT_EQ(target.Value(), 7);
}

TEST(QLPersistent, BaseAssignAcceptsOnlyItsExactClassByDefault) {
    TOther a, b;
    TRecorder r;
    r.Attach(a);
    a.Assign(b);
    EXPECT_EQ(r.Senders.size(), 1u);
    TSample sample;
    a.Assign(sample);
    a.Assign(a);
    EXPECT_EQ(r.Senders.size(), 1u);
}
