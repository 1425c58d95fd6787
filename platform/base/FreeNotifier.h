#pragma once

#include <functional>
#include <utility>
#include <vector>

// Lets the users of an object they do not own forget it when it goes: each
// user registers a notification under its own address, and every one still
// registered is called when the object is destroyed.
class TFreeNotifier {
public:
    TFreeNotifier() = default;
    TFreeNotifier(const TFreeNotifier&) = delete;
    TFreeNotifier& operator=(const TFreeNotifier&) = delete;
    ~TFreeNotifier() {
        auto notifications = std::move(FNotifications);
        for (auto& [owner, notify] : notifications)
            notify();
    }

    // Replaces Owner's earlier notification, if any.
    void FreeNotification(const void* Owner, std::function<void()> Notify) {
        RemoveFreeNotification(Owner);
        FNotifications.emplace_back(Owner, std::move(Notify));
    }
    void RemoveFreeNotification(const void* Owner) {
        std::erase_if(FNotifications, [Owner](const auto& N) { return N.first == Owner; });
    }

private:
    std::vector<std::pair<const void*, std::function<void()>>> FNotifications;
};
