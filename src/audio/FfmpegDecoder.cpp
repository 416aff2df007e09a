#include "audio/FfmpegDecoder.h"

#include "audio/ESoundImportError.h"
#include "audio/PlainSoundFile.h"
#include "audio/SoundDecoder.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

namespace {

constexpr int IOBufferSize = 1 << 16;
// The demuxers of sound files. The others (playlists, image sequences,
// concatenation lists, network formats) could read other files or hosts, or
// take a picture for a sound.
constexpr const char* SoundDemuxers = "mov,aac,mp3,ogg,flac,wav,matroska,amr,asf,caf";
// A file whose packets go on and on without a sound frame (a table of
// samples that all point at the same bytes) is given up on after these.
constexpr int MaxPacketsWithoutSound = 1 << 16;

[[noreturn]] void Raise(const char* lead, int error = 0)
{
    QString message = QCoreApplication::translate("SoundImportText", lead);
    if (error < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(error, text, sizeof text);
        message += QLatin1Char('\n') + QString::fromLocal8Bit(text);
    }
    throw ESoundImportError(message);
}

int ReadStream(void* user, uint8_t* buffer, int size)
{
    const size_t got = std::fread(buffer, 1, size_t(std::max(size, 0)), static_cast<FILE*>(user));
    return got > 0 ? int(got) : AVERROR_EOF;
}

int64_t SeekStream(void* user, int64_t offset, int whence)
{
    FILE* stream = static_cast<FILE*>(user);
    if ((whence & AVSEEK_SIZE) != 0) {
        struct stat info {};
        return ::fstat(::fileno(stream), &info) == 0 ? int64_t(info.st_size) : -1;
    }
    whence &= ~AVSEEK_FORCE;
    return ::fseeko(stream, off_t(offset), whence) == 0 ? int64_t(::ftello(stream)) : -1;
}

// A demuxer that would open another file or address gets a refusal.
int RefuseOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**)
{
    return AVERROR(EPERM);
}

// A layout with a known order: a file that names only its channel count gets
// the usual order for that count.
AVChannelLayout OrderedLayout(const AVChannelLayout& layout)
{
    AVChannelLayout ordered{};
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&ordered, layout.nb_channels);
    else
        av_channel_layout_copy(&ordered, &layout);
    return ordered;
}

} // namespace

struct FfmpegDecoder::State {
    FILE* stream = nullptr;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* resampler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    AVChannelLayout inLayout{};
    AVChannelLayout outLayout{};
    int streamIndex = -1;
    int inRate = 0;
    int inFormat = -1;
    int outRate = 0;
    int maxRate = 0;
    bool packetsEnded = false; // the decoder was told that no packet follows
    bool finished = false;     // the decoder and the resampler are drained
    bool decodedAny = false;
    int skipped = 0; // the error of bytes passed over before the first frame
    int packetsWithoutSound = 0;
    std::vector<short> pending; // converted samples from pendingAt on
    size_t pendingAt = 0;

    ~State();
    void Open(const QString& path);
    void OpenCodec();
    void Prime();
    void Setup();
    void DecodeMore();
    void ReadPacket();
    void Failed(int error);
    void Convert(const AVFrame* input);
};

FfmpegDecoder::State::~State()
{
    swr_free(&resampler);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    if (io != nullptr)
        av_freep(&io->buffer);
    avio_context_free(&io);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    if (stream != nullptr)
        std::fclose(stream);
}

void FfmpegDecoder::State::Open(const QString& path)
{
    stream = OpenPlainSoundFile(path);
    auto* buffer = static_cast<unsigned char*>(av_malloc(IOBufferSize));
    io = buffer != nullptr
             ? avio_alloc_context(buffer, IOBufferSize, 0, stream, ReadStream, nullptr, SeekStream)
             : nullptr;
    if (io == nullptr) {
        av_free(buffer);
        Raise(SoundImportText::CannotRead, AVERROR(ENOMEM));
    }
    format = avformat_alloc_context();
    if (format == nullptr)
        Raise(SoundImportText::CannotRead, AVERROR(ENOMEM));
    format->pb = io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->io_open = RefuseOpen;
    format->format_whitelist = av_strdup(SoundDemuxers);
    // Freed by avformat_open_input itself when it fails.
    int result = avformat_open_input(&format, nullptr, nullptr, nullptr);
    // FFmpeg's word for a format it knows but was not let use is "Invalid
    // argument", which would puzzle the user.
    if (result == AVERROR(EINVAL))
        throw ESoundImportError(
            SoundImportText::Translated(SoundImportText::CannotRead) + QLatin1Char('\n') +
            QCoreApplication::translate("SoundImportText",
                                        "The sound is in a format that the editor does not read"));
    if (result < 0)
        Raise(SoundImportText::CannotRead, result);
    result = avformat_find_stream_info(format, nullptr);
    if (result < 0)
        Raise(SoundImportText::CannotRead, result);
    OpenCodec();
}

void FfmpegDecoder::State::OpenCodec()
{
    const AVCodec* decoder = nullptr;
    streamIndex = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (streamIndex < 0 || decoder == nullptr)
        Raise(SoundImportText::CannotRead, streamIndex < 0 ? streamIndex : AVERROR_DECODER_NOT_FOUND);
    // The other streams (a phone video's pictures) are not even read.
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (int(i) != streamIndex)
            format->streams[i]->discard = AVDISCARD_ALL;
    const AVStream* audio = format->streams[streamIndex];
    codec = avcodec_alloc_context3(decoder);
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    if (codec == nullptr || packet == nullptr || frame == nullptr)
        Raise(SoundImportText::CannotRead, AVERROR(ENOMEM));
    int result = avcodec_parameters_to_context(codec, audio->codecpar);
    if (result >= 0) {
        codec->pkt_timebase = audio->time_base;
        result = avcodec_open2(codec, decoder, nullptr);
    }
    if (result < 0)
        Raise(SoundImportText::CannotRead, result);
}

void FfmpegDecoder::State::Failed(int error)
{
    // Bytes that are no sound before the first frame (junk in front of an
    // MP3) are passed over as players do; damage after it is reported, so
    // that no sound is silently cut.
    if (error == AVERROR_INVALIDDATA && !decodedAny) {
        skipped = error;
        return;
    }
    Raise(SoundImportText::CannotRead, error);
}

void FfmpegDecoder::State::ReadPacket()
{
    const int result = av_read_frame(format, packet);
    if (result < 0) {
        if (result != AVERROR_EOF)
            Raise(SoundImportText::CannotRead, result);
        // The decoder gives what it still holds.
        packetsEnded = true;
        avcodec_send_packet(codec, nullptr);
        return;
    }
    if (++packetsWithoutSound > MaxPacketsWithoutSound)
        Raise(SoundImportText::CannotRead, AVERROR_INVALIDDATA);
    if (packet->stream_index == streamIndex) {
        const int sent = avcodec_send_packet(codec, packet);
        if (sent < 0 && sent != AVERROR(EAGAIN))
            Failed(sent);
    }
    av_packet_unref(packet);
}

void FfmpegDecoder::State::DecodeMore()
{
    const int result = avcodec_receive_frame(codec, frame);
    if (result == 0) {
        if (resampler == nullptr)
            Setup();
        decodedAny = true;
        packetsWithoutSound = 0;
        Convert(frame);
        av_frame_unref(frame);
    } else if (result == AVERROR(EAGAIN) && !packetsEnded) {
        ReadPacket();
    } else if (result == AVERROR_EOF || result == AVERROR(EAGAIN)) {
        if (resampler != nullptr)
            Convert(nullptr); // what the resampler still holds
        finished = true;
    } else {
        Failed(result);
    }
}

// The first frame fixes the rate, coding and channels that the rest must keep.
void FfmpegDecoder::State::Setup()
{
    inRate = frame->sample_rate;
    inFormat = frame->format;
    const int channels = frame->ch_layout.nb_channels;
    if (inRate <= 0 || inRate > SoundDecoder::MaxSampleRate || channels <= 0 ||
        channels > SoundDecoder::MaxChannels)
        Raise(SoundImportText::BadParameters);
    inLayout = OrderedLayout(frame->ch_layout);
    outRate = std::min(inRate, maxRate);
    av_channel_layout_default(&outLayout, std::min(channels, 2));
    const int result = swr_alloc_set_opts2(&resampler, &outLayout, AV_SAMPLE_FMT_S16, outRate, &inLayout,
                                           AVSampleFormat(inFormat), inRate, 0, nullptr);
    if (result < 0 || swr_init(resampler) < 0)
        Raise(SoundImportText::CannotResample, result);
}

void FfmpegDecoder::State::Convert(const AVFrame* input)
{
    if (input != nullptr) {
        AVChannelLayout layout = OrderedLayout(input->ch_layout);
        const bool same = input->sample_rate == inRate && input->format == inFormat &&
                          av_channel_layout_compare(&layout, &inLayout) == 0;
        av_channel_layout_uninit(&layout);
        if (!same)
            Raise(SoundImportText::BadParameters);
    }
    const int inFrames = input != nullptr ? input->nb_samples : 0;
    const int room = swr_get_out_samples(resampler, inFrames);
    if (room < 0)
        Raise(SoundImportText::CannotResample, room);
    if (pendingAt > 0) {
        pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(pendingAt));
        pendingAt = 0;
    }
    const size_t channels = size_t(outLayout.nb_channels);
    const size_t base = pending.size();
    pending.resize(base + size_t(room) * channels);
    auto* out = reinterpret_cast<uint8_t*>(pending.data() + base);
    const int got =
        swr_convert(resampler, &out, room,
                    input != nullptr ? const_cast<const uint8_t**>(input->extended_data) : nullptr, inFrames);
    if (got < 0)
        Raise(SoundImportText::CannotResample, got);
    pending.resize(base + size_t(got) * channels);
}

void FfmpegDecoder::State::Prime()
{
    while (!finished && !decodedAny)
        DecodeMore();
    // A file cut inside its first frame is damaged, not silent.
    if (!decodedAny)
        Raise(skipped < 0 ? SoundImportText::CannotRead : SoundImportText::NoSound, skipped);
}

FfmpegDecoder::FfmpegDecoder(const QString& path, int maxRate) : state_(std::make_unique<State>())
{
    // What is wrong with a file is told by the error raised; FFmpeg's own
    // notes would go to the terminal that started the editor.
    static const bool quiet = (av_log_set_level(AV_LOG_QUIET), true);
    Q_UNUSED(quiet);
    state_->maxRate = maxRate;
    state_->Open(path);
    state_->Prime();
}

FfmpegDecoder::~FfmpegDecoder() = default;

int FfmpegDecoder::SampleRate() const
{
    return state_->inRate;
}

int FfmpegDecoder::Channels() const
{
    return state_->inLayout.nb_channels;
}

int FfmpegDecoder::OutputRate() const
{
    return state_->outRate;
}

int FfmpegDecoder::OutputChannels() const
{
    return state_->outLayout.nb_channels;
}

QString FfmpegDecoder::CodingName() const
{
    switch (state_->codec->codec_id) {
    case AV_CODEC_ID_MP3:
        return QStringLiteral("MPEG Layer-3");
    case AV_CODEC_ID_MP1:
    case AV_CODEC_ID_MP2:
        return QStringLiteral("MPEG 1");
    case AV_CODEC_ID_VORBIS:
        return QStringLiteral("Ogg Vorbis");
    case AV_CODEC_ID_OPUS:
        return QStringLiteral("Opus");
    default:
        break;
    }
    // "aac", "flac", "amr_nb": the coding's short name in capitals.
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(state_->codec->codec_id);
    return descriptor != nullptr ? QString::fromLatin1(descriptor->name).toUpper()
                                 : QCoreApplication::translate("WaveSummary", "Unknown");
}

int64_t FfmpegDecoder::Read(std::vector<short>& out, int64_t frames)
{
    State& s = *state_;
    const size_t channels = size_t(s.outLayout.nb_channels);
    const size_t wanted = size_t(std::max<int64_t>(frames, 0)) * channels;
    while (s.pending.size() - s.pendingAt < wanted && !s.finished)
        s.DecodeMore();
    const size_t taken = std::min(wanted, s.pending.size() - s.pendingAt);
    out.assign(s.pending.begin() + std::ptrdiff_t(s.pendingAt),
               s.pending.begin() + std::ptrdiff_t(s.pendingAt + taken));
    s.pendingAt += taken;
    return int64_t(taken / channels);
}
