#pragma once

#include "audio/CaptureFormat.h"

#include <QAudioDevice>
#include <QAudioFormat>

// Which format to ask an input device for: the card format itself (22050 Hz
// 16-bit mono) when the device takes it, else the device's own preferred
// format, which the take then converts.
namespace CaptureDeviceFormat {

QAudioFormat For(const QAudioDevice& device);
// The format in the core's terms; not usable (rate 0) for an unknown sample kind.
CaptureFormat Describe(const QAudioFormat& format);

} // namespace CaptureDeviceFormat
