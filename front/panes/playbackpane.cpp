#include "playbackpane.h"

#include "colourbar.h"
#include "frameview.h"
#include "paneslogging.h"
#include "pictureview.h"
#include "recordingplayer.h"

#include <frames/framedecoder.h>
#include <frames/palettes.h>
#include <frames/videoextinf.h>

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QMetaMethod>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <cstring>

namespace {

// The transport's glyphs, drawn in the program's accent colour: the style's own media icons are
// dark grey and vanish on the dark theme.
enum class Glyph { Play, Pause, Back, Forward };

QIcon transportIcon(Glyph glyph)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xDC, 0x50, 0x00));
    switch (glyph) {
    case Glyph::Play:
        painter.drawPolygon(QPolygonF({QPointF(9, 6), QPointF(26, 16), QPointF(9, 26)}));
        break;
    case Glyph::Pause:
        painter.drawRect(QRectF(8, 6, 6, 20));
        painter.drawRect(QRectF(18, 6, 6, 20));
        break;
    case Glyph::Back:
        painter.drawRect(QRectF(6, 7, 4, 18));
        painter.drawPolygon(QPolygonF({QPointF(26, 7), QPointF(12, 16), QPointF(26, 25)}));
        break;
    case Glyph::Forward:
        painter.drawRect(QRectF(22, 7, 4, 18));
        painter.drawPolygon(QPolygonF({QPointF(6, 7), QPointF(20, 16), QPointF(6, 25)}));
        break;
    }
    return QIcon(pixmap);
}

// The speed combo's entries; 0 plays as fast as the frames can be shown.
constexpr double Speeds[] = {0.25, 0.5, 1.0, 2.0, 4.0, 0.0};
constexpr int DefaultSpeedEntry = 2;

} // namespace

class PlaybackPane::Private {
public:
    RecordingPlayer player;
    QString error;

    FrameView* frame = nullptr;
    PictureView* view = nullptr;
    ColourBar* bar = nullptr;
    QLabel* lblFrame = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblDamaged = nullptr;
    QToolButton* btnPlay = nullptr;
    QToolButton* btnStepBack = nullptr;
    QToolButton* btnStepForward = nullptr;
    QToolButton* btnCapture = nullptr;
    QSlider* sldSeek = nullptr;
    QComboBox* cbbSpeed = nullptr;
    QComboBox* cbbPalette = nullptr;

    Video_ExtInf record{};
    // -1 for the palette each frame names, else the palette number chosen.
    int palette = -1;
};

PlaybackPane::PlaybackPane(const QString& language, QWidget* parent)
    : ChildPane(DeviceManager::Mode(0), language, parent), d(new Private)
{
    initWidget();
    initConnection();
    initAction();
    setWindowTitle(tr("Playback"));
}

PlaybackPane::~PlaybackPane()
{
    d->player.close();
    delete d;
}

void PlaybackPane::initWidget()
{
    setFocusPolicy(Qt::StrongFocus);

    d->frame = new FrameView(QStringLiteral("playback"));
    d->frame->setObjectName(QStringLiteral("frameView"));
    d->frame->setPlaceholderText(tr("No recording open"));
    d->frame->setNoTemperaturesText(tr("The recording holds no temperatures in a known layout."));
    d->view = d->frame->pictureView();
    d->bar = d->frame->colourBar();

    auto valueLabel = [](const char* name) {
        auto* label = new QLabel(tr("--"));
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0:00:00.000 / 0:00:00.000")));
        return label;
    };
    QFormLayout* form = d->frame->readingsForm();
    d->lblFrame = valueLabel("lblFrame");
    d->lblTime = valueLabel("lblTime");
    form->addRow(tr("Frame:"), d->lblFrame);
    form->addRow(tr("Time:"), d->lblTime);
    d->lblDamaged = new QLabel;
    d->lblDamaged->setObjectName(QStringLiteral("lblDamaged"));
    d->lblDamaged->setWordWrap(true);
    d->lblDamaged->setVisible(false);
    form->addRow(d->lblDamaged);
    d->frame->fitSide();

    auto toolButton = [](const char* name, Glyph icon, const QString& tip) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setIcon(transportIcon(icon));
        button->setToolTip(tip);
        button->setEnabled(false);
        return button;
    };
    d->btnPlay = toolButton("btnPlay", Glyph::Play, tr("Play (Space)"));
    d->btnPlay->setText(tr("Play"));
    d->btnStepBack = toolButton("btnStepBack", Glyph::Back, tr("Previous frame (Left)"));
    d->btnStepBack->setText(tr("Previous frame"));
    d->btnStepForward = toolButton("btnStepForward", Glyph::Forward, tr("Next frame (Right)"));
    d->btnStepForward->setText(tr("Next frame"));

    // Clicking the slider or a combo leaves the keyboard with the pane, where Space and the arrows
    // work the transport.
    d->sldSeek = new QSlider(Qt::Horizontal);
    d->sldSeek->setObjectName(QStringLiteral("sldSeek"));
    d->sldSeek->setFocusPolicy(Qt::TabFocus);
    d->sldSeek->setRange(0, 0);
    d->sldSeek->setEnabled(false);
    d->sldSeek->setToolTip(tr("Position in the recording"));

    d->cbbSpeed = new QComboBox;
    d->cbbSpeed->setObjectName(QStringLiteral("cbbSpeed"));
    d->cbbSpeed->setFocusPolicy(Qt::TabFocus);
    d->cbbSpeed->setToolTip(tr("Playback speed"));
    for (double speed : Speeds)
        d->cbbSpeed->addItem(speed > 0 ? tr("%1x").arg(QLocale().toString(speed)) : tr("As fast as possible"), speed);
    d->cbbSpeed->setCurrentIndex(DefaultSpeedEntry);

    d->cbbPalette = new QComboBox;
    d->cbbPalette->setObjectName(QStringLiteral("cbbPalette"));
    d->cbbPalette->setFocusPolicy(Qt::TabFocus);
    d->cbbPalette->setToolTip(tr("Colours of the picture"));
    d->cbbPalette->addItem(tr("As recorded"), -1);
    for (int n = 0; n < Palettes::Count; ++n)
        d->cbbPalette->addItem(tr("Palette %1").arg(n + 1), n);

    for (QComboBox* box : {d->cbbSpeed, d->cbbPalette})
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* transport = new QHBoxLayout;
    transport->setSpacing(6);
    transport->addWidget(d->btnStepBack);
    transport->addWidget(d->btnPlay);
    transport->addWidget(d->btnStepForward);
    transport->addWidget(d->sldSeek, 1);
    transport->addWidget(d->cbbSpeed);
    transport->addWidget(d->cbbPalette);

    bodyLayout()->addWidget(d->frame, 1);
    bodyLayout()->addLayout(transport);
}

void PlaybackPane::initConnection()
{
    RecordingPlayer* player = &d->player;
    connect(player, &RecordingPlayer::frameChanged, this, [this] { showCurrent(); });
    connect(player, &RecordingPlayer::damagedChanged, this, [this] { showDamaged(); });
    connect(player, &RecordingPlayer::playingChanged, this, [this](bool playing) {
        d->btnPlay->setIcon(transportIcon(playing ? Glyph::Pause : Glyph::Play));
        d->btnPlay->setText(playing ? tr("Pause") : tr("Play"));
        d->btnPlay->setToolTip(playing ? tr("Pause (Space)") : tr("Play (Space)"));
    });
    connect(d->btnPlay, &QToolButton::clicked, player, &RecordingPlayer::togglePlay);
    connect(d->btnStepBack, &QToolButton::clicked, player, [player] { player->step(-1); });
    connect(d->btnStepForward, &QToolButton::clicked, player, [player] { player->step(1); });
    connect(d->sldSeek, &QSlider::valueChanged, player, [player](int frame) { player->seek(frame); });
    connect(d->cbbSpeed, QOverload<int>::of(&QComboBox::currentIndexChanged), player,
            [this](int) { d->player.setSpeed(d->cbbSpeed->currentData().toDouble()); });
    connect(d->cbbPalette, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int) {
        d->palette = d->cbbPalette->currentData().toInt();
        if (d->player.currentFrame() >= 0)
            showCurrent();
    });
}

bool PlaybackPane::openRecording(const QString& path)
{
    d->error.clear();
    clearPicture();
    const bool opened = d->player.open(path);
    for (QWidget* w : std::initializer_list<QWidget*>{d->btnPlay, d->btnStepBack, d->btnStepForward, d->sldSeek})
        w->setEnabled(opened);
    showDamaged();
    if (!opened) {
        d->error = d->player.errorString();
        setWindowTitle(tr("Playback"));
        return false;
    }
    setWindowTitle(tr("Playback: %1").arg(QFileInfo(path).fileName()));
    d->player.setSpeed(d->cbbSpeed->currentData().toDouble());
    // The first frame was shown while the player opened, before the slider knew the length.
    showPosition();
    return true;
}

QString PlaybackPane::errorString() const
{
    return d->error;
}

QString PlaybackPane::fileName() const
{
    return d->player.fileName();
}

void PlaybackPane::clearPicture()
{
    d->frame->clear();
    for (QLabel* label : {d->lblFrame, d->lblTime}) {
        label->setText(tr("--"));
        label->setToolTip(QString());
    }
    const QSignalBlocker blocker(d->sldSeek);
    d->sldSeek->setRange(0, 0);
}

void PlaybackPane::showCurrent()
{
    const RecordedFrame& frame = d->player.frame();
    if (frame.record.size() != int(sizeof d->record.bytes)) {
        // A frame that cannot be read: the picture stays, every value says it has none.
        d->frame->showFrame(nullptr, nullptr, QString(), timeText(frame.arrivalUs));
        showPosition();
        return;
    }
    std::memcpy(d->record.bytes, frame.record.constData(), sizeof d->record.bytes);
    const ushort* palette = Palettes::table(d->palette < 0 ? FrameDecoder::paletteNumber(d->record) : d->palette);
    d->frame->showFrame(d->record.bytes, palette, QString(), timeText(frame.arrivalUs));

    showPosition();
    // Shared with the player, not copied; sent before pictureShown, whose listeners may move the player on.
    if (isSignalConnected(QMetaMethod::fromSignal(&PlaybackPane::recordShown)))
        emit recordShown(frame.record);
    emit pictureShown();
}

void PlaybackPane::showPosition()
{
    const int count = d->player.frameCount();
    const int current = d->player.currentFrame();
    if (current < 0)
        return;
    d->lblFrame->setText(tr("%1 / %2").arg(QLocale().toString(current + 1), QLocale().toString(count)));
    d->lblTime->setText(tr("%1 / %2").arg(timeText(d->player.frame().arrivalUs), timeText(d->player.durationUs())));
    const QSignalBlocker blocker(d->sldSeek);
    if (d->sldSeek->maximum() != count - 1)
        d->sldSeek->setRange(0, count - 1);
    d->sldSeek->setValue(current);
}

void PlaybackPane::showDamaged()
{
    const int damaged = d->player.damagedFrames();
    d->lblDamaged->setText(damaged > 0 ? tr("Damaged frames skipped: %1").arg(QLocale().toString(damaged)) : QString());
    d->lblDamaged->setVisible(damaged > 0);
}

QString PlaybackPane::timeText(qint64 us)
{
    const qint64 ms = std::max<qint64>(us, 0) / 1000;
    const qint64 hours = ms / 3600000;
    const int minutes = int(ms / 60000 % 60);
    const int seconds = int(ms / 1000 % 60);
    const int millis = int(ms % 1000);
    const QChar point = QLocale().decimalPoint();
    if (hours > 0)
        return QStringLiteral("%1:%2:%3%4%5")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(seconds, 2, 10, QLatin1Char('0'))
            .arg(point)
            .arg(millis, 3, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2%3%4")
        .arg(minutes)
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(point)
        .arg(millis, 3, 10, QLatin1Char('0'));
}

bool PlaybackPane::SaveToPicture(const QString& fileName)
{
    return d->frame->save(fileName, FrameView::SaveFormat::Picture, nullptr);
}

bool PlaybackPane::hasPicture() const
{
    return d->frame->hasPicture();
}

QPixmap PlaybackPane::picture() const
{
    return d->frame->picture();
}

FrameView* PlaybackPane::frameView() const
{
    return d->frame;
}

void PlaybackPane::setCaptureAction(QAction* action)
{
    offerAction(d->btnCapture, "btnCapture", action);
}

RecordingPlayer* PlaybackPane::player() const
{
    return &d->player;
}

void PlaybackPane::keyPressEvent(QKeyEvent* event)
{
    if (d->player.currentFrame() >= 0 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Space:
            d->player.togglePlay();
            return;
        case Qt::Key_Left:
            d->player.step(-1);
            return;
        case Qt::Key_Right:
            d->player.step(1);
            return;
        default:
            break;
        }
    }
    ChildPane::keyPressEvent(event);
}
