#include "platform/media/MediaLoading.h"

#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>

namespace {

bool Loaded(const QMediaPlayer& Player) {
    const QMediaPlayer::MediaStatus status = Player.mediaStatus();
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
           status == QMediaPlayer::BufferedMedia;
}

bool Invalid(const QMediaPlayer& Player) {
    return Player.mediaStatus() == QMediaPlayer::InvalidMedia;
}

} // namespace

bool WaitUntilLoaded(QMediaPlayer& Player, int TimeoutMs, std::string& Error) {
    QString failure;
    QEventLoop loop;
    QObject::connect(&Player, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
        if (Loaded(Player) || Invalid(Player)) loop.quit();
    });
    QObject::connect(&Player, &QMediaPlayer::errorOccurred, &loop,
                     [&](QMediaPlayer::Error, const QString& Message) {
                         if (failure.isEmpty()) failure = Message;
                         loop.quit();
                     });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(TimeoutMs);
    if (!Loaded(Player) && !Invalid(Player)) loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (failure.isEmpty() && Player.error() != QMediaPlayer::NoError)
        failure = Player.errorString();
    if (failure.isEmpty() && Invalid(Player)) failure = "not a clip that can be played";
    if (failure.isEmpty() && !Loaded(Player))
        failure = QString("the clip did not load within %1 ms").arg(TimeoutMs);
    Error = failure.toStdString();
    return failure.isEmpty();
}
