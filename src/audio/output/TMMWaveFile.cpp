#include "audio/output/TMMWaveFile.h"

#include "audio/TMMWave.h"

#include <cstring>

TMMWaveFile::TMMWaveFile() : wave_(std::make_unique<TMMWave>()) {}

TMMWaveFile::~TMMWaveFile() = default;

void TMMWaveFile::SetIOBufferSize(int32_t size)
{
    wave_->SetIOBufferSize(size);
}

const TWaveFormat* TMMWaveFile::PWaveFormat() const
{
    return wave_->WaveFormat();
}

void TMMWaveFile::BufferLoad(char* buffer, int32_t& bytes, bool& moreBuffers)
{
    if (!started_ || !enabled_) {
        std::memset(buffer, 0, std::size_t(std::max(bytes, 0)));
        moreBuffers = true;
        return;
    }
    const int32_t read = bytes > 0 ? wave_->ReadData(buffer, bytes) : 0;
    bytes = std::max(read, 0);
    moreBuffers = read >= 0 && wave_->BytesRemaining() > 0;
}

void TMMWaveFile::Started()
{
    if (wave_->WaveFormat()) {
        if (!wave_->IsOpen())
            wave_->OpenFile();
        wave_->SetPosition(0);
        started_ = true;
    }
    TMMSoundComponent::Started();
}

void TMMWaveFile::Stopped()
{
    CloseData();
    TMMSoundComponent::Stopped();
}

void TMMWaveFile::Closed()
{
    CloseData();
    TMMSoundComponent::Closed();
}

void TMMWaveFile::CloseData()
{
    if (started_ && wave_->IsOpen())
        wave_->CloseFile();
    started_ = false;
}
