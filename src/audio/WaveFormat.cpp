#include "audio/WaveFormat.h"

#include <QtEndian>
#include <algorithm>

TWaveFormat::TWaveFormat(int size) : bytes_(std::max(size, int(HeaderSize)), '\0') {}

TWaveFormat TWaveFormat::FromBytes(const QByteArray& bytes)
{
    TWaveFormat format(int(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), format.bytes_.begin());
    return format;
}

uint16_t TWaveFormat::Word(int offset) const
{
    return qFromLittleEndian<uint16_t>(bytes_.constData() + offset);
}

uint32_t TWaveFormat::Dword(int offset) const
{
    return qFromLittleEndian<uint32_t>(bytes_.constData() + offset);
}

void TWaveFormat::SetWord(int offset, uint16_t v)
{
    qToLittleEndian<uint16_t>(v, bytes_.data() + offset);
}

void TWaveFormat::SetDword(int offset, uint32_t v)
{
    qToLittleEndian<uint32_t>(v, bytes_.data() + offset);
}

uint16_t TWaveFormat::FormatTag() const
{
    return Word(OffFormatTag);
}
uint16_t TWaveFormat::Channels() const
{
    return Word(OffChannels);
}
uint32_t TWaveFormat::SamplesPerSec() const
{
    return Dword(OffSamplesPerSec);
}
uint32_t TWaveFormat::AvgBytesPerSec() const
{
    return Dword(OffAvgBytesPerSec);
}
uint16_t TWaveFormat::BlockAlign() const
{
    return Word(OffBlockAlign);
}
uint16_t TWaveFormat::BitsPerSample() const
{
    return Word(OffBitsPerSample);
}
uint16_t TWaveFormat::CbSize() const
{
    return Word(OffCbSize);
}

void TWaveFormat::SetFormatTag(uint16_t v)
{
    SetWord(OffFormatTag, v);
}
void TWaveFormat::SetChannels(uint16_t v)
{
    SetWord(OffChannels, v);
}
void TWaveFormat::SetSamplesPerSec(uint32_t v)
{
    SetDword(OffSamplesPerSec, v);
}
void TWaveFormat::SetAvgBytesPerSec(uint32_t v)
{
    SetDword(OffAvgBytesPerSec, v);
}
void TWaveFormat::SetBlockAlign(uint16_t v)
{
    SetWord(OffBlockAlign, v);
}
void TWaveFormat::SetBitsPerSample(uint16_t v)
{
    SetWord(OffBitsPerSample, v);
}
void TWaveFormat::SetCbSize(uint16_t v)
{
    SetWord(OffCbSize, v);
}
