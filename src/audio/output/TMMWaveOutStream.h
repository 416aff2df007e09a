#pragma once

#include "audio/output/TMMWaveOutRing.h"

#include <QIODevice>
#include <atomic>
#include <functional>
#include <mutex>

// What the audio sink reads from: the buffers of the ring in the order they
// were queued. When the sink has taken the last byte of a buffer, the buffer
// is done: it leaves the queue and `done` is told its index (on the thread
// that reads, which may not be the owner's).
class TMMWaveOutStream : public QIODevice {
    Q_OBJECT
  public:
    using DoneReport = std::function<void(int index)>;

    TMMWaveOutStream(TMMWaveOutRing& ring, DoneReport done, QObject* parent = nullptr);

    // Queues buffer `index` (its length set) behind those queued.
    void Queue(int index);
    // Forgets every queued buffer and fits the queue to the ring (before
    // the first Queue of a playing and after the sink was stopped).
    void Reset();
    // At the end nothing more is queued: an empty queue is then the end of the stream.
    void SetFinished(bool finished);
    int Queued() const { return queued_.load(); }

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

  private:
    TMMWaveOutRing& ring_;
    DoneReport done_;
    mutable std::mutex lock_;
    std::vector<int> queue_; // ring indices, a circular queue of ring_.Count() slots
    int head_ = 0;           // queue_ slot of the buffer being read
    int32_t taken_ = 0;      // bytes of that buffer already read
    int64_t available_ = 0;  // unread bytes queued
    std::atomic<int> queued_{0};
    bool finished_ = false;
};
