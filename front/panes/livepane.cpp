#include "livepane.h"

#include "alarmrule.h"
#include "colourbar.h"
#include "frameview.h"
#include "livemonitor.h"
#include "livereadings.h"
#include "paneslogging.h"
#include "pictureview.h"

#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMetaMethod>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <cstring>
#include <optional>

namespace {

constexpr int statsIntervalMs = 500;

const char* const alarmOnStyle =
    "QLabel { background-color: #DC5000; color: white; font-weight: bold; padding: 4px; border-radius: 3px; }";
const char* const alarmOffStyle = "QLabel { padding: 4px; }";

// What the temperature read-outs show: nothing yet, the camera's values, or that there are none.
enum class Layout { NoFrame, Known, Unknown };

} // namespace

class LivePane::Private {
public:
    using CameraValues = LiveMonitor::CameraValues;
    void showCameraValues(const CameraValues& values);

    LiveMonitor monitor;
    FrameView* frame = nullptr;
    PictureView* view = nullptr;
    ColourBar* bar = nullptr;
    QComboBox* cmbLayout = nullptr;
    QString cameraPort;
    QString pickedLayout;
    QLabel* lblFps = nullptr;
    QLabel* lblFrames = nullptr;
    QLabel* lblAlarm = nullptr;
    QToolButton* btnSilence = nullptr;
    QToolButton* btnCapture = nullptr;
    QCheckBox* chkAlarm = nullptr;
    QCheckBox* chkSound = nullptr;
    QCheckBox* chkLog = nullptr;
    QCheckBox* chkMin = nullptr;
    QCheckBox* chkMax = nullptr;
    QDoubleSpinBox* spnHigh = nullptr;
    QDoubleSpinBox* spnLow = nullptr;
    QDoubleSpinBox* spnEmissivity = nullptr;
    QPushButton* btnApply = nullptr;

    LiveReadings readings;
    Layout shownLayout = Layout::NoFrame;
    QString shownProfile; // with an out-of-range mark, so a change of either shows
    const ushort* palette = nullptr;
    CameraValues boxValues;        // the exact values behind what the spin boxes show
    std::array<bool, 3> touched{}; // high, low, emissivity changed by the user since
    bool spinsStale = false;       // the spin boxes do not show the values they should yet

    QToolButton* btnRecord = nullptr;
    QLabel* lblRecording = nullptr;
    QTimer recordingTimer;

    QPixmap picture;
    quint64 framesShown = 0;
    quint64 framesAtStats = 0;
    QElapsedTimer statsClock;
    QTimer statsTimer;
};

LivePane::LivePane(DeviceManager::Mode mode, const QString& language, QWidget* parent, Qt::WindowFlags flags)
    : ChildPane(mode, language, parent, flags), d(new Private)
{
    initWidget();
    initConnection();
    initAction();
}

LivePane::~LivePane()
{
    delete d;
}

void LivePane::initWidget()
{
    d->frame = new FrameView(QStringLiteral("live"));
    d->frame->setObjectName(QStringLiteral("frameView"));
    d->frame->setPlaceholderText(tr("Waiting for the camera..."));
    d->frame->setNoTemperaturesText(noTemperaturesText());
    d->view = d->frame->pictureView();
    d->view->setCentreMarker(true);
    d->bar = d->frame->colourBar();

    auto valueLabel = [](const char* name) {
        auto* label = new QLabel(tr("--"));
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    QFormLayout* readingsForm = d->frame->readingsForm();
    d->lblFps = valueLabel("lblFps");
    d->lblFrames = valueLabel("lblFrames");
    d->cmbLayout = new QComboBox;
    d->cmbLayout->setObjectName(QStringLiteral("cmbLayout"));
    d->cmbLayout->setToolTip(tr("A layout profile without proof, for a camera whose frames no profile proves"));
    // Under the layout's name, which is the second row.
    readingsForm->insertRow(2, d->cmbLayout);
    fillLayoutChoice();
    connect(d->cmbLayout, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        d->pickedLayout = d->cmbLayout->itemData(index).toString();
        if (!d->cameraPort.isEmpty())
            layoutChoices().setValue(d->cameraPort, d->pickedLayout);
    });
    readingsForm->addRow(tr("Frame rate:"), d->lblFps);
    readingsForm->addRow(tr("Frames shown:"), d->lblFrames);

    d->lblAlarm = new QLabel;
    d->lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    d->lblAlarm->setAlignment(Qt::AlignCenter);
    d->lblAlarm->setWordWrap(true);
    d->lblAlarm->setStyleSheet(QLatin1String(alarmOffStyle));
    d->btnSilence = new QToolButton;
    d->btnSilence->setObjectName(QStringLiteral("btnSilence"));
    d->btnSilence->setText(tr("Silence"));
    d->btnSilence->setToolTip(tr("Stop the alarm sound"));
    d->btnSilence->setEnabled(false);

    auto* alarmBox = new QGroupBox(tr("Alarm"));
    auto* alarmLayout = new QVBoxLayout(alarmBox);
    d->chkAlarm = new QCheckBox(tr("Enable alarm"));
    d->chkMax = new QCheckBox(tr("Alarm above high limit"));
    d->chkMin = new QCheckBox(tr("Alarm below low limit"));
    d->chkSound = new QCheckBox(tr("Sound"));
    d->chkLog = new QCheckBox(tr("Write alarm log"));
    d->chkAlarm->setObjectName(QStringLiteral("chkAlarm"));
    d->chkMax->setObjectName(QStringLiteral("chkMaxAlarm"));
    d->chkMin->setObjectName(QStringLiteral("chkMinAlarm"));
    d->chkSound->setObjectName(QStringLiteral("chkAlarmSound"));
    d->chkLog->setObjectName(QStringLiteral("chkLogGeneration"));
    alarmLayout->addWidget(d->chkAlarm);
    for (QCheckBox* sub : {d->chkMax, d->chkMin, d->chkSound, d->chkLog}) {
        auto* row = new QHBoxLayout;
        row->addSpacing(16);
        row->addWidget(sub);
        if (sub == d->chkSound)
            row->addWidget(d->btnSilence);
        row->addStretch(1);
        alarmLayout->addLayout(row);
    }
    alarmLayout->addWidget(d->lblAlarm);

    auto* cameraBox = new QGroupBox(tr("Camera settings"));
    auto* cameraForm = new QFormLayout(cameraBox);
    auto tempSpin = [](const char* name) {
        auto* spin = new QDoubleSpinBox;
        spin->setObjectName(QLatin1String(name));
        spin->setDecimals(1);
        spin->setRange(-3276.8, 3276.7);
        spin->setSingleStep(1.0);
        spin->setSuffix(QStringLiteral(" \u00B0C"));
        spin->setKeyboardTracking(false);
        return spin;
    };
    d->spnHigh = tempSpin("spnAlarmHigh");
    d->spnLow = tempSpin("spnAlarmLow");
    d->spnEmissivity = new QDoubleSpinBox;
    d->spnEmissivity->setObjectName(QStringLiteral("spnEmissivity"));
    d->spnEmissivity->setDecimals(2);
    d->spnEmissivity->setRange(0.01, 1.0);
    d->spnEmissivity->setSingleStep(0.01);
    d->spnEmissivity->setKeyboardTracking(false);
    d->btnApply = new QPushButton(tr("Apply"));
    d->btnApply->setObjectName(QStringLiteral("btnApply"));
    d->btnApply->setToolTip(tr("Send these settings to the camera"));
    d->btnApply->setEnabled(false);
    cameraForm->addRow(tr("High limit:"), d->spnHigh);
    cameraForm->addRow(tr("Low limit:"), d->spnLow);
    cameraForm->addRow(tr("Emissivity:"), d->spnEmissivity);
    cameraForm->addRow(QString(), d->btnApply);

    d->frame->sideLayout()->addWidget(alarmBox);
    d->frame->sideLayout()->addWidget(cameraBox);
    d->frame->fitSide();
    bodyLayout()->addWidget(d->frame, 1);

    d->showCameraValues(d->boxValues);
    setOptionsParam(d->monitor.options());
}

void LivePane::initConnection()
{
    for (QCheckBox* box : {d->chkAlarm, d->chkSound, d->chkLog, d->chkMin, d->chkMax})
        connect(box, &QCheckBox::toggled, this, &LivePane::onOptionToggled);
    for (QDoubleSpinBox* spin : {d->spnHigh, d->spnLow, d->spnEmissivity})
        connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &LivePane::onParamsEdited);
    connect(d->btnApply, &QPushButton::clicked, this, &LivePane::applyCameraParams);
    connect(d->btnSilence, &QToolButton::clicked, this, &LivePane::stopSound);

    connect(&d->monitor, &LiveMonitor::beep, this, [] { QApplication::beep(); });
    connect(&d->monitor, &LiveMonitor::indicatorChanged, this, &LivePane::showIndicator);
    connect(&d->monitor, &LiveMonitor::soundingChanged, d->btnSilence, &QToolButton::setEnabled);
    connect(&d->monitor, &LiveMonitor::recordingChanged, this, [this](bool on) {
        if (on)
            d->recordingTimer.start();
        else
            d->recordingTimer.stop();
        updateRecordingLabel();
        emit recordingChanged(on);
    });
    connect(&d->monitor, &LiveMonitor::recordingStopped, this, &LivePane::recordingStopped);
    // The options were set while the widgets were made, before anything listened.
    showIndicator(d->monitor.indicator());
    d->statsTimer.setInterval(statsIntervalMs);
    connect(&d->statsTimer, &QTimer::timeout, this, &LivePane::updateStats);
    d->recordingTimer.setInterval(statsIntervalMs);
    connect(&d->recordingTimer, &QTimer::timeout, this, &LivePane::updateRecordingLabel);
}

void LivePane::initAction() {}

void LivePane::setPixmap(const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    d->picture = pixmap;
    d->frame->showPicture(pixmap);
    if (d->framesShown++ == 0)
        d->lblFrames->setText(QLocale().toString(d->framesShown));
    if (!d->statsTimer.isActive()) {
        // The rate is measured from here; the timer stops again when the pictures stop.
        d->framesAtStats = d->framesShown - 1;
        d->statsClock.start();
        d->statsTimer.start();
    }
    emit pictureShown();
}

void LivePane::setOptionsParam(const OptionParam& param)
{
    const std::pair<QCheckBox*, bool> boxes[] = {{d->chkAlarm, param.allowAlarm},
                                                 {d->chkSound, param.allowAlarmSound},
                                                 {d->chkLog, param.allowLogGeneration},
                                                 {d->chkMin, param.allowMinAlarm},
                                                 {d->chkMax, param.allowMaxAlarm}};
    for (const auto& [box, on] : boxes) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
    d->monitor.setOptions(param);
    updateAlarmBoxes();
}

OptionParam LivePane::optionsParam() const
{
    return d->monitor.options();
}

void LivePane::onOptionToggled()
{
    OptionParam options = d->monitor.options();
    options.allowAlarm = d->chkAlarm->isChecked();
    options.allowAlarmSound = d->chkSound->isChecked();
    options.allowLogGeneration = d->chkLog->isChecked();
    options.allowMinAlarm = d->chkMin->isChecked();
    options.allowMaxAlarm = d->chkMax->isChecked();
    d->monitor.setOptions(options);
    updateAlarmBoxes();
    emit updateOptionParam(options);
}

void LivePane::setVideoPlat(ushort* plat)
{
    d->palette = plat;
    d->bar->setPalette565(plat);
}

void LivePane::setVideoExtendParam(char* param)
{
    if (!param)
        return;
    d->frame->showFrame(param, d->palette, d->pickedLayout,
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
    d->readings = d->frame->readings();
    d->monitor.takeFrame(param, d->readings);
    showReadings();
    if (isSignalConnected(QMetaMethod::fromSignal(&LivePane::recordShown)))
        emit recordShown(QByteArray(param, Km420Frame::Size));
}

QString LivePane::noTemperaturesText()
{
    return tr("The camera reports no temperatures in a known layout.");
}

void LivePane::setCameraPort(const QString& port)
{
    d->cameraPort = port;
    d->pickedLayout = port.isEmpty() ? QString() : layoutChoices().value(port).toString();
    fillLayoutChoice();
}

QSettings& LivePane::layoutChoices()
{
    static QSettings settings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                                  QStringLiteral("/layout-choices.ini"),
                              QSettings::IniFormat);
    return settings;
}

void LivePane::fillLayoutChoice()
{
    const QStringList names = LayoutCatalog::shared().pickable();
    const QSignalBlocker blocker(d->cmbLayout);
    d->cmbLayout->clear();
    d->cmbLayout->addItem(tr("Layout: proven only"), QString());
    for (const QString& name : names)
        d->cmbLayout->addItem(tr("Layout: %1 (unverified)").arg(name), name);
    const int at = d->cmbLayout->findData(d->pickedLayout);
    d->cmbLayout->setCurrentIndex(at < 0 ? 0 : at);
    // Nothing to pick without profiles that lack proof.
    d->cmbLayout->setVisible(!names.isEmpty());
}

void LivePane::showReadings()
{
    const LiveReadings& now = d->readings;
    const Layout layout = now.valid ? Layout::Known : Layout::Unknown;
    const QString profile = (now.outOfRange ? QStringLiteral("!") : QString()) +
                            (now.verified ? QString() : QStringLiteral("?")) + now.layout;
    const bool changed = layout != d->shownLayout || profile != d->shownProfile;
    d->shownLayout = layout;
    d->shownProfile = profile;
    if (changed)
        updateAlarmBoxes();

    // The boxes show the camera's echo when it proves its layout; otherwise what was last sent from
    // here, or the defaults: never bytes whose meaning is unknown.
    const Private::CameraValues wanted = d->monitor.valuesToShow();
    if (changed || d->spinsStale || wanted != d->boxValues) {
        const bool holding = d->monitor.holdingSent();
        const bool editing = d->touched[0] || d->touched[1] || d->touched[2] || d->spnHigh->hasFocus() ||
                             d->spnLow->hasFocus() || d->spnEmissivity->hasFocus();
        d->spinsStale = holding || editing;
        if (!d->spinsStale)
            d->showCameraValues(wanted);
    }
}

void LivePane::Private::showCameraValues(const CameraValues& values)
{
    boxValues = values;
    const QSignalBlocker high(spnHigh), low(spnLow), emissivity(spnEmissivity);
    spnHigh->setValue(values.high / 10.0);
    spnLow->setValue(values.low / 10.0);
    // The range grows to hold a value the camera gave outside it, so the box shows it as it is.
    const double e = values.emissivity / 100.0;
    spnEmissivity->setRange(qMin(0.01, e), qMax(1.0, e));
    spnEmissivity->setValue(e);
}

void LivePane::onParamsEdited()
{
    const QObject* box = sender();
    d->touched[0] = d->touched[0] || box == d->spnHigh;
    d->touched[1] = d->touched[1] || box == d->spnLow;
    d->touched[2] = d->touched[2] || box == d->spnEmissivity;
    d->btnApply->setEnabled(true);
}

void LivePane::applyCameraParams()
{
    // A value the user did not touch goes out exactly as it was received or last sent.
    Private::CameraValues out = d->boxValues;
    if (d->touched[0])
        out.high = LiveReadings::toTenths(d->spnHigh->value());
    if (d->touched[1])
        out.low = LiveReadings::toTenths(d->spnLow->value());
    if (d->touched[2])
        out.emissivity = LiveReadings::toHundredths(d->spnEmissivity->value());
    char* params = d->monitor.paramsFor(out);
    d->boxValues = out;
    d->touched.fill(false);
    d->btnApply->setEnabled(false);
    emit pullImage(this, mode(), params);
}

bool LivePane::temperaturesKnown() const
{
    return d->monitor.temperaturesKnown();
}

void LivePane::updateAlarmBoxes()
{
    // Without temperatures from the camera there is nothing to watch; the switches keep their state.
    const bool known = temperaturesKnown();
    const QString why = known ? QString() : noTemperaturesText();
    d->chkAlarm->setEnabled(known);
    d->chkAlarm->setToolTip(why);
    for (QCheckBox* sub : {d->chkSound, d->chkLog, d->chkMin, d->chkMax}) {
        sub->setEnabled(known && d->monitor.options().allowAlarm);
        sub->setToolTip(why);
    }
}

void LivePane::showIndicator(int indicator)
{
    d->view->setAlarm(indicator > LiveMonitor::Watching);
    d->lblAlarm->setToolTip(indicator == LiveMonitor::NothingToWatch ? noTemperaturesText() : QString());
    if (indicator == LiveMonitor::NothingToWatch) {
        d->lblAlarm->setText(tr("No temperatures to watch"));
        d->lblAlarm->setStyleSheet(QLatin1String(alarmOffStyle));
    } else if (indicator <= LiveMonitor::Watching) {
        d->lblAlarm->setText(indicator == LiveMonitor::Off ? tr("Alarm off") : tr("No alarm"));
        d->lblAlarm->setStyleSheet(QLatin1String(alarmOffStyle));
    } else {
        const AlarmRule::Causes current = d->monitor.causes();
        QString text;
        if (current == (AlarmRule::AboveHigh | AlarmRule::BelowLow))
            text = tr("ALARM: too hot and too cold");
        else if (current.testFlag(AlarmRule::AboveHigh))
            text = tr("ALARM: too hot");
        else
            text = tr("ALARM: too cold");
        d->lblAlarm->setText(text);
        d->lblAlarm->setStyleSheet(QLatin1String(alarmOnStyle));
    }
}

void LivePane::updateStats()
{
    const qint64 elapsed = d->statsClock.restart();
    const quint64 frames = d->framesShown - d->framesAtStats;
    d->framesAtStats = d->framesShown;
    const double fps = elapsed > 0 ? frames * 1000.0 / elapsed : 0.0;
    d->lblFps->setText(tr("%1 fps").arg(QLocale().toString(fps, 'f', 1)));
    d->lblFrames->setText(QLocale().toString(d->framesShown));
    if (frames == 0)
        d->statsTimer.stop();
}

bool LivePane::SaveToPicture(const QString& fileName)
{
    return d->frame->save(fileName, FrameView::SaveFormat::Picture, nullptr);
}

FrameView* LivePane::frameView() const
{
    return d->frame;
}

void LivePane::stopSound()
{
    d->monitor.stopSound();
    d->btnSilence->setEnabled(false);
}

void LivePane::setCaptureAction(QAction* action)
{
    offerAction(d->btnCapture, "btnCapture", action);
}

void LivePane::setRecordAction(QAction* action)
{
    if (!d->lblRecording) {
        d->lblRecording = new QLabel;
        d->lblRecording->setObjectName(QStringLiteral("lblRecording"));
        d->lblRecording->setVisible(false);
        addToolWidget(d->lblRecording);
    }
    offerAction(d->btnRecord, "btnRecord", action);
}

bool LivePane::startRecording()
{
    return d->monitor.startRecording();
}

void LivePane::stopRecording()
{
    d->monitor.stopRecording();
}

void LivePane::closeEvent(QCloseEvent* event)
{
    // Told like any other stop, so the owner can say where the recording went.
    stopRecording();
    ChildPane::closeEvent(event);
}

bool LivePane::isRecording() const
{
    return d->monitor.isRecording();
}

QString LivePane::recordingFileName() const
{
    return d->monitor.recordingFileName();
}

QString LivePane::recordingError() const
{
    return d->monitor.recordingError();
}

LiveMonitor* LivePane::monitor() const
{
    return &d->monitor;
}

void LivePane::updateRecordingLabel()
{
    if (!d->lblRecording)
        return;
    const bool on = d->monitor.isRecording();
    d->lblRecording->setVisible(on);
    if (!on)
        return;
    const qint64 seconds = d->monitor.recordingElapsedUs() / 1000000;
    const QString time = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    d->lblRecording->setText(
        QStringLiteral("\u25CF %1  %2").arg(time, QLocale().formattedDataSize(d->monitor.recordingBytes(), 1)));
    d->lblRecording->setToolTip(QDir::toNativeSeparators(d->monitor.recordingFileName()));
}

bool LivePane::hasPicture() const
{
    return !d->picture.isNull();
}

QPixmap LivePane::picture() const
{
    return d->picture;
}

bool LivePane::isAlarmActive() const
{
    return d->monitor.causes() != AlarmRule::NoAlarm;
}

bool LivePane::isSounding() const
{
    return d->monitor.isSounding();
}
