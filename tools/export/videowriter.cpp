#include "videowriter.h"

#include <QFile>
#include <QHash>

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

// Milliseconds: far finer than the camera's pace, and small numbers for the MP4 sample table.
constexpr AVRational TimeBase = {1, 1000};
// How long the last picture stays when it is the only one: nothing says how long the camera
// showed it, but without a duration a player skips it.
constexpr qint64 LoneDurationMs = 100;

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

} // namespace

class VideoWriter::Private {
public:
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* sws = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    QSize size;
    QString error;
    QString encoderName;
    QImage pending; // held until the next picture tells how long it is shown
    qint64 pendingPts = -1;
    qint64 lastDuration = 0;
    QHash<qint64, qint64> durations; // by pts, for the packets the encoder has not given back yet
    int frames = 0;
    bool headerWritten = false;

    ~Private() { release(); }

    bool fail(const QString& what, int code)
    {
        error = code ? QString("%1: %2").arg(what, avError(code)) : what;
        return false;
    }

    bool encodePicture(const QImage& picture, qint64 pts, qint64 duration)
    {
        // The encoder may still hold the previous picture's buffer.
        int rc = av_frame_make_writable(frame);
        if (rc < 0)
            return fail(QStringLiteral("Cannot reuse the picture buffer"), rc);
        const uint8_t* source[1] = {picture.constBits()};
        const int stride[1] = {int(picture.bytesPerLine())};
        sws_scale(sws, source, stride, 0, picture.height(), frame->data, frame->linesize);
        frame->pts = pts;
        durations.insert(pts, duration);
        lastDuration = duration;
        if (!encode(frame))
            return false;
        ++frames;
        return true;
    }

    // Hands a picture (or, with nullptr, the end of the stream) to the encoder and writes every
    // packet it has ready.
    bool encode(AVFrame* input)
    {
        int rc = avcodec_send_frame(codec, input);
        if (rc < 0)
            return fail(QStringLiteral("Cannot send a picture to the encoder"), rc);
        for (;;) {
            rc = avcodec_receive_packet(codec, packet);
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return true;
            if (rc < 0)
                return fail(QStringLiteral("The encoder failed"), rc);
            packet->duration = durations.take(packet->pts);
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            rc = av_interleaved_write_frame(format, packet);
            if (rc < 0)
                return fail(QStringLiteral("Cannot write to the video file"), rc);
        }
    }

    void release()
    {
        if (format && !(format->oformat->flags & AVFMT_NOFILE))
            avio_closep(&format->pb);
        avformat_free_context(format);
        format = nullptr;
        stream = nullptr;
        avcodec_free_context(&codec);
        sws_freeContext(sws);
        sws = nullptr;
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
};

VideoWriter::VideoWriter() : d(std::make_unique<Private>())
{
    // The encoder's statistics would bury the caller's own messages; FFmpeg's errors still show.
    av_log_set_level(AV_LOG_ERROR);
}

VideoWriter::~VideoWriter() = default;

bool VideoWriter::open(const QString& path, const QSize& size, double averageFps)
{
    d->release();
    d->pending = QImage();
    d->pendingPts = -1;
    d->lastDuration = 0;
    d->durations.clear();
    d->frames = 0;
    d->headerWritten = false;
    d->encoderName.clear();
    d->size = size;
    if (size.isEmpty() || size.width() % 2 || size.height() % 2)
        return d->fail(
            QString("A video of %1 x %2 pixels cannot be encoded as yuv420p.").arg(size.width()).arg(size.height()), 0);

    const QByteArray file = QFile::encodeName(path);
    int rc = avformat_alloc_output_context2(&d->format, nullptr, "mp4", file.constData());
    if (rc < 0)
        return d->fail(QStringLiteral("Cannot set up an MP4 file"), rc);

    const AVCodec* encoder = avcodec_find_encoder_by_name("libx264");
    if (!encoder)
        encoder = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!encoder)
        return d->fail(QStringLiteral("FFmpeg's libraries offer no H.264 encoder."), 0);

    d->encoderName = QString::fromLatin1(encoder->name);
    d->stream = avformat_new_stream(d->format, nullptr);
    d->codec = avcodec_alloc_context3(encoder);
    d->frame = av_frame_alloc();
    d->packet = av_packet_alloc();
    if (!d->stream || !d->codec || !d->frame || !d->packet)
        return d->fail(QStringLiteral("Out of memory"), AVERROR(ENOMEM));

    d->codec->width = size.width();
    d->codec->height = size.height();
    d->codec->pix_fmt = AV_PIX_FMT_YUV420P;
    d->codec->time_base = TimeBase;
    if (averageFps > 0)
        d->codec->framerate = av_d2q(averageFps, 100000);
    // What swscale produces from RGB by default.
    d->codec->color_range = AVCOL_RANGE_MPEG;
    d->codec->colorspace = AVCOL_SPC_SMPTE170M;
    if (d->format->oformat->flags & AVFMT_GLOBALHEADER)
        d->codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // Only libx264 knows these; another encoder keeps its own defaults.
    if (qstrcmp(encoder->name, "libx264") == 0) {
        av_opt_set(d->codec->priv_data, "preset", "medium", 0);
        av_opt_set(d->codec->priv_data, "crf", "18", 0);
    }
    rc = avcodec_open2(d->codec, encoder, nullptr);
    if (rc < 0)
        return d->fail(QString("Cannot open the %1 encoder").arg(QString::fromLatin1(encoder->name)), rc);
    rc = avcodec_parameters_from_context(d->stream->codecpar, d->codec);
    if (rc < 0)
        return d->fail(QStringLiteral("Cannot pass the encoder's settings to the MP4 file"), rc);
    d->stream->time_base = d->codec->time_base;

    d->frame->format = d->codec->pix_fmt;
    d->frame->width = size.width();
    d->frame->height = size.height();
    rc = av_frame_get_buffer(d->frame, 0);
    if (rc < 0)
        return d->fail(QStringLiteral("Cannot allocate a picture"), rc);
    d->sws = sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGB565, size.width(), size.height(),
                            AV_PIX_FMT_YUV420P, SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!d->sws)
        return d->fail(QStringLiteral("Cannot set up the conversion to yuv420p."), 0);

    if (!(d->format->oformat->flags & AVFMT_NOFILE)) {
        rc = avio_open(&d->format->pb, file.constData(), AVIO_FLAG_WRITE);
        if (rc < 0)
            return d->fail(QString("Cannot create %1").arg(path), rc);
    }
    rc = avformat_write_header(d->format, nullptr);
    if (rc < 0)
        return d->fail(QStringLiteral("Cannot write the MP4 header"), rc);
    d->headerWritten = true;
    return true;
}

bool VideoWriter::write(const QImage& picture, qint64 usSinceStart)
{
    if (!d->headerWritten)
        return d->fail(QStringLiteral("The video file is not open."), 0);
    if (picture.size() != d->size)
        return d->fail(QString("A picture of %1 x %2 pixels in a video of %3 x %4.")
                           .arg(picture.width())
                           .arg(picture.height())
                           .arg(d->size.width())
                           .arg(d->size.height()),
                       0);
    const qint64 pts =
        std::max<qint64>(av_rescale_q(usSinceStart, AVRational{1, 1000000}, d->codec->time_base), d->pendingPts + 1);
    if (!d->pending.isNull() && !d->encodePicture(d->pending, d->pendingPts, pts - d->pendingPts))
        return false;
    d->pending = picture.format() == QImage::Format_RGB16 ? picture : picture.convertToFormat(QImage::Format_RGB16);
    d->pendingPts = pts;
    return true;
}

bool VideoWriter::finish()
{
    if (!d->headerWritten)
        return d->fail(QStringLiteral("The video file is not open."), 0);
    // The last picture lasts as long as the one before it.
    if (!d->pending.isNull() &&
        !d->encodePicture(d->pending, d->pendingPts, d->lastDuration > 0 ? d->lastDuration : LoneDurationMs))
        return false;
    d->pending = QImage();
    if (!d->encode(nullptr))
        return false;
    d->headerWritten = false;
    int rc = av_write_trailer(d->format);
    if (rc < 0)
        return d->fail(QStringLiteral("Cannot complete the MP4 file"), rc);
    if (!(d->format->oformat->flags & AVFMT_NOFILE)) {
        rc = avio_closep(&d->format->pb);
        if (rc < 0)
            return d->fail(QStringLiteral("Cannot close the video file"), rc);
    }
    d->release();
    return true;
}

QString VideoWriter::errorString() const
{
    return d->error;
}

QString VideoWriter::encoderName() const
{
    return d->encoderName;
}

int VideoWriter::framesWritten() const
{
    return d->frames;
}
