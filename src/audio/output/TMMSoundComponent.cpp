#include "audio/output/TMMSoundComponent.h"

const TWaveFormat* TMMSoundComponent::PWaveFormat() const
{
    return input_ ? input_->PWaveFormat() : nullptr;
}

void TMMSoundComponent::BufferLoad(char* buffer, int32_t& bytes, bool& moreBuffers)
{
    if (input_) {
        input_->BufferLoad(buffer, bytes, moreBuffers);
        return;
    }
    bytes = 0;
    moreBuffers = false;
}

void TMMSoundComponent::Opened()
{
    if (input_)
        input_->Opened();
}

void TMMSoundComponent::Closed()
{
    if (input_)
        input_->Closed();
}

void TMMSoundComponent::Started()
{
    if (input_)
        input_->Started();
}

void TMMSoundComponent::Paused()
{
    if (input_)
        input_->Paused();
}

void TMMSoundComponent::Restarted()
{
    if (input_)
        input_->Restarted();
}

void TMMSoundComponent::Stopped()
{
    if (input_)
        input_->Stopped();
}
