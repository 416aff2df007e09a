#include "audio/record/SoundInputWatch.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <utility>

namespace {

QByteArrayList InputIds()
{
    QByteArrayList ids;
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        ids.append(device.id());
    return ids;
}

} // namespace

SoundInputWatch::SoundInputWatch(QObject* parent, int intervalMs)
    : QObject(parent), devices_(new QMediaDevices(this)), inputs_(InputIds())
{
    connect(devices_, &QMediaDevices::audioInputsChanged, this, &SoundInputWatch::Check);
    connect(&poll_, &QTimer::timeout, this, &SoundInputWatch::Check);
    poll_.start(intervalMs);
}

void SoundInputWatch::Check()
{
    QByteArrayList now = InputIds();
    if (now == inputs_)
        return;
    inputs_ = std::move(now);
    Q_EMIT changed();
}
