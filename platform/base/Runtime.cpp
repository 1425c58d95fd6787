#include "platform/base/Runtime.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <random>

void ProcessMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

int Random(int Range) {
    static std::minstd_rand generator{std::random_device{}()};
    if (Range <= 0) return 0;
    return static_cast<int>(generator() % static_cast<unsigned>(Range));
}

void PostToMessageLoop(std::function<void()> Call) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        Call();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(Call), Qt::QueuedConnection);
}
