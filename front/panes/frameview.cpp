#include "frameview.h"

#include "colourbar.h"
#include "levelchart.h"
#include "livereadings.h"
#include "picturefile.h"
#include "picturespots.h"
#include "pictureview.h"

#include <frames/framecsv.h>
#include <frames/framedecoder.h>
#include <frames/framelevels.h>
#include <frames/levelmapping.h>
#include <frames/levelrender.h>
#include <frames/levelstats.h>
#include <frames/orientation.h>
#include <frames/videoextinf.h>
#include <frames/wholefile.h>

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

const QString dash = QStringLiteral("\u2014");
const QSize cameraSize(FrameLevels::Width, FrameLevels::Height);

QSettings& viewSettings()
{
    static QSettings settings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                                  QStringLiteral("/view.ini"),
                              QSettings::IniFormat);
    return settings;
}

QString pointsText(const QVector<QPoint>& points)
{
    QStringList parts;
    for (const QPoint& p : points)
        parts << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return parts.join(QLatin1Char(';'));
}

QVector<QPoint> pointsFrom(const QString& text)
{
    QVector<QPoint> points;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList xy = part.split(QLatin1Char(','));
        bool okX = false, okY = false;
        const QPoint p(xy.value(0).toInt(&okX), xy.value(1).toInt(&okY));
        if (xy.size() == 2 && okX && okY && FrameLevels::bounds().contains(p))
            points << p;
    }
    return points;
}

// A wrapped label in the scrolling side panel gets the height its text needs at its width; the panel's
// layout does not ask it.
void fitHeight(QLabel* label)
{
    const int w = label->width() > 1 ? label->width() : label->sizeHint().width();
    label->setMinimumHeight(label->heightForWidth(w));
}

QRect cameraRect(const QPoint& a, const QPoint& b)
{
    return QRect(a, b).normalized() & FrameLevels::bounds();
}

} // namespace

class FrameView::Private {
public:
    FrameView* q = nullptr;
    QString key;
    PictureView* view = nullptr;
    ColourBar* bar = nullptr;
    QFormLayout* readingsForm = nullptr;
    QVBoxLayout* sideLayout = nullptr;
    QWidget* side = nullptr;
    QScrollArea* sideScroll = nullptr;
    QLabel* lblLayout = nullptr;
    QLabel* lblMax = nullptr;
    QLabel* lblMin = nullptr;
    QLabel* lblCentre = nullptr;
    QLabel* lblMeasures = nullptr;
    QLabel* lblHeld = nullptr;
    QWidget* heldRow = nullptr;
    QDoubleSpinBox* spnHeldLow = nullptr;
    QDoubleSpinBox* spnHeldHigh = nullptr;
    QToolButton* btnSpot = nullptr;
    QToolButton* btnBox = nullptr;
    QToolButton* btnLine = nullptr;
    QToolButton* btnHistogram = nullptr;
    QToolButton* btnHold = nullptr;
    QToolButton* btnSmooth = nullptr;
    QToolButton* btnRotate = nullptr;
    QToolButton* btnMirror = nullptr;
    QToolButton* btnClear = nullptr;
    QHBoxLayout* chartRow = nullptr;
    LevelChart* profileChart = nullptr; // made when first needed: charts cost start-up time
    LevelChart* histogramChart = nullptr;

    // The frame.
    FrameLevels levels;
    bool recordShown = false; // a record came since the last picture without one
    bool damaged = false;
    LiveReadings readings;
    LiveReadings shownReadings;
    int shownState = -1; // -1 nothing yet, 0 no temperatures, 1 known
    QString shownProfile;
    LevelTemperatures temperatures;
    std::array<ushort, 256> palette{};
    bool hasPalette = false;
    int paletteNumber = 0;
    QString time;
    QPixmap decoded; // a picture that came without its record
    QString noTemperatures;

    // The view's settings.
    Tool tool = Tool::None;
    Orientation orientation;
    bool smooth = false;
    bool histogram = false;
    bool hold = false;
    bool holdCelsius = false;
    QString heldLayout; // a °C range holds for the frames of the layout it was taken from, and no others
    double heldLow = 0;
    double heldHigh = 255;

    // The markers, in camera pixels.
    QVector<QPoint> spots;
    QVector<QRect> boxes;
    std::optional<QLine> line;
    enum class Kind { None, Spot, Box, Line };
    Kind selectedKind = Kind::None;
    int selected = -1;
    // A mouse gesture in progress.
    Kind dragging = Kind::None;
    QPoint dragStart;
    int profileCursor = -1;

    std::array<quint32, 256> colours{};
    QStringList measures;

    QString temperatureText(double celsius) const
    {
        return FrameView::tr("%1 °C").arg(QLocale().toString(celsius, 'f', 1));
    }
    QString tenthsText(double tenths) const { return temperatureText(tenths / 10.0); }
    bool celsiusKnown() const { return !damaged && temperatures.isKnown(); }
    bool heldCelsiusApplies() const
    {
        return hold && holdCelsius && celsiusKnown() && temperatures.layout == heldLayout;
    }

    QPoint toCamera(const QPointF& shown) const
    {
        const QPoint pixel(int(std::floor(shown.x())), int(std::floor(shown.y())));
        return orientation.toCamera(pixel, cameraSize);
    }
    QPoint toShown(const QPoint& camera) const { return orientation.toView(camera, cameraSize); }

    LevelMapping::Table mapping() const;
    void render();
    void showReadings();
    void measure();
    void showMarks();
    void updateHeldControls();
    void ensureCharts();
    void save() const;
    void restore();
    void select(Kind kind, int index);
    bool hit(const QPoint& camera, Kind* kind, int* index) const;
    void onPress(const QPointF& at, Qt::MouseButton button);
    void onDrag(const QPointF& at);
    void onRelease(const QPointF& at);
    void onHover(const QPointF& at);
    void onKey(QKeyEvent* event);
    void changed(bool rerender = true);
};

FrameView::FrameView(const QString& settingsKey, QWidget* parent) : QWidget(parent), d(new Private)
{
    d->q = this;
    d->key = settingsKey;
    d->noTemperatures = tr("The frame holds no temperatures in a known layout.");

    d->view = new PictureView;
    d->view->setObjectName(QStringLiteral("pictureView"));
    d->bar = new ColourBar;
    d->bar->setObjectName(QStringLiteral("colourBar"));
    d->bar->setLabels(tr("--"), tr("--"));

    auto toolButton = [this](const char* name, const QString& text, const QString& tip, bool checkable) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(tip);
        button->setCheckable(checkable);
        button->setAutoRaise(true);
        Q_UNUSED(this)
        return button;
    };
    d->btnSpot = toolButton("btnSpot", tr("Spot"), tr("Click the picture to place a spot (up to 8)"), true);
    d->btnBox = toolButton("btnBox", tr("Box"), tr("Drag on the picture to place a box (up to 4)"), true);
    d->btnLine = toolButton("btnLine", tr("Line"), tr("Drag on the picture to draw the line of a profile"), true);
    d->btnClear = toolButton("btnClearMarkers", tr("Clear"), tr("Remove every spot, box and line"), false);
    d->btnHistogram = toolButton("btnHistogram", tr("Histogram"), tr("Show the levels' histogram"), true);
    d->btnHold =
        toolButton("btnHoldScale", tr("Hold scale"), tr("Keep the colours fixed while the camera re-ranges"), true);
    d->btnSmooth = toolButton("btnSmooth", tr("Smooth"), tr("Enlarge smoothly instead of by whole pixels"), true);
    d->btnRotate = toolButton("btnRotate", tr("Rotate"), tr("Turn the picture a quarter clockwise"), false);
    d->btnMirror = toolButton("btnMirror", tr("Mirror"), tr("Mirror the picture left to right"), true);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(2);
    for (QToolButton* b : {d->btnSpot, d->btnBox, d->btnLine, d->btnClear})
        tools->addWidget(b);
    tools->addSpacing(10);
    for (QToolButton* b : {d->btnHistogram, d->btnHold, d->btnSmooth, d->btnRotate, d->btnMirror})
        tools->addWidget(b);
    tools->addStretch(1);

    d->chartRow = new QHBoxLayout;
    d->chartRow->setSpacing(6);
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->setContentsMargins(0, 0, 0, 0);
    pictureColumn->addWidget(d->view, 1);
    pictureColumn->addLayout(d->chartRow);

    auto valueLabel = [](const char* name) {
        auto* label = new QLabel(tr("--"));
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0 \u00B0C")));
        return label;
    };
    auto* readingsBox = new QGroupBox(tr("Readings"));
    d->readingsForm = new QFormLayout(readingsBox);
    d->lblMax = valueLabel("lblMax");
    d->lblMin = valueLabel("lblMin");
    d->lblCentre = valueLabel("lblCentre");
    d->lblLayout = new QLabel(dash);
    d->lblLayout->setObjectName(QStringLiteral("lblLayout"));
    d->lblLayout->setWordWrap(true);
    // Rows of their own: a long profile name must not push the values out of the box.
    d->readingsForm->addRow(new QLabel(tr("Layout:")));
    d->readingsForm->addRow(d->lblLayout);
    d->readingsForm->addRow(tr("Max:"), d->lblMax);
    d->readingsForm->addRow(tr("Min:"), d->lblMin);
    d->readingsForm->addRow(tr("Centre:"), d->lblCentre);

    auto* measureBox = new QGroupBox(tr("Measurements"));
    measureBox->setObjectName(QStringLiteral("measureBox"));
    auto* measureLayout = new QVBoxLayout(measureBox);
    d->lblMeasures = new QLabel(tr("No markers: choose Spot, Box or Line and use the picture."));
    d->lblMeasures->setObjectName(QStringLiteral("lblMeasures"));
    d->lblMeasures->setWordWrap(true);
    d->lblMeasures->setTextFormat(Qt::PlainText);
    // Wrapped to the side panel's width, however long a line the markers give.
    d->lblMeasures->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    d->lblMeasures->setMinimumWidth(1);
    measureLayout->addWidget(d->lblMeasures);
    d->lblHeld = new QLabel;
    d->lblHeld->setObjectName(QStringLiteral("lblHeld"));
    d->lblHeld->setWordWrap(true);
    d->lblHeld->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    d->lblHeld->setMinimumWidth(1);
    d->spnHeldLow = new QDoubleSpinBox;
    d->spnHeldHigh = new QDoubleSpinBox;
    d->spnHeldLow->setObjectName(QStringLiteral("spnHeldLow"));
    d->spnHeldHigh->setObjectName(QStringLiteral("spnHeldHigh"));
    d->heldRow = new QWidget;
    auto* heldRow = new QHBoxLayout(d->heldRow);
    heldRow->setContentsMargins(0, 0, 0, 0);
    heldRow->addWidget(d->spnHeldLow);
    heldRow->addWidget(new QLabel(QStringLiteral("\u2013")));
    heldRow->addWidget(d->spnHeldHigh);
    measureLayout->addWidget(d->lblHeld);
    measureLayout->addWidget(d->heldRow);
    for (QDoubleSpinBox* spin : {d->spnHeldLow, d->spnHeldHigh}) {
        spin->setKeyboardTracking(false);
        connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                [this] { setHeldRange(d->spnHeldLow->value(), d->spnHeldHigh->value()); });
    }

    d->side = new QWidget;
    d->side->setObjectName(QStringLiteral("sidePanel"));
    d->side->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    d->sideLayout = new QVBoxLayout(d->side);
    d->sideLayout->setContentsMargins(0, 0, 0, 0);
    d->sideLayout->addWidget(readingsBox);
    d->sideLayout->addWidget(measureBox);
    // The side panel scrolls rather than forcing the pane taller than a small main window, which
    // would cut off the bottom of the picture and the colour scale.
    d->sideScroll = new QScrollArea;
    d->sideScroll->setObjectName(QStringLiteral("sideScroll"));
    d->sideScroll->setWidgetResizable(true);
    d->sideScroll->setFrameShape(QFrame::NoFrame);
    d->sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->sideScroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    // The tools span the whole width: beside the picture alone they would make the pane too wide.
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addLayout(tools);
    auto* row = new QHBoxLayout;
    whole->addLayout(row, 1);
    row->setSpacing(8);
    row->addLayout(pictureColumn, 1);
    row->addWidget(d->bar);
    row->addWidget(d->sideScroll);

    connect(d->btnSpot, &QToolButton::clicked, this, [this](bool on) { setTool(on ? Tool::Spot : Tool::None); });
    connect(d->btnBox, &QToolButton::clicked, this, [this](bool on) { setTool(on ? Tool::Box : Tool::None); });
    connect(d->btnLine, &QToolButton::clicked, this, [this](bool on) { setTool(on ? Tool::Line : Tool::None); });
    connect(d->btnClear, &QToolButton::clicked, this, &FrameView::removeMarkers);
    connect(d->btnHistogram, &QToolButton::clicked, this, &FrameView::setHistogramShown);
    connect(d->btnHold, &QToolButton::clicked, this, &FrameView::setHoldScale);
    connect(d->btnSmooth, &QToolButton::clicked, this, &FrameView::setSmooth);
    connect(d->btnRotate, &QToolButton::clicked, this, [this] { setOrientation(d->orientation.turnedClockwise()); });
    connect(d->btnMirror, &QToolButton::clicked, this,
            [this](bool on) { setOrientation(Orientation(d->orientation.degrees(), on)); });
    connect(d->bar, &ColourBar::windowMoved, this, [this](int low, int high) { setHeldRange(low, high); });
    connect(d->view, &PictureView::targetResized, this, [this] { d->render(); });
    connect(d->view, &PictureView::mousePressed, this,
            [this](const QPointF& at, Qt::MouseButton button) { d->onPress(at, button); });
    connect(d->view, &PictureView::mouseDragged, this, [this](const QPointF& at) { d->onDrag(at); });
    connect(d->view, &PictureView::mouseReleased, this, [this](const QPointF& at) { d->onRelease(at); });
    connect(d->view, &PictureView::mouseHovered, this, [this](const QPointF& at) { d->onHover(at); });
    connect(d->view, &PictureView::keyPressed, this, [this](QKeyEvent* event) { d->onKey(event); });

    d->restore();
    d->updateHeldControls();
    d->measure();
}

FrameView::~FrameView()
{
    delete d;
}

void FrameView::fitSide()
{
    if (!d->sideScroll->widget()) {
        d->sideLayout->addStretch(1);
        d->sideScroll->setWidget(d->side);
    }
    d->sideScroll->setFixedWidth(d->side->sizeHint().width() + d->sideScroll->verticalScrollBar()->sizeHint().width());
}

PictureView* FrameView::pictureView() const
{
    return d->view;
}

ColourBar* FrameView::colourBar() const
{
    return d->bar;
}

QFormLayout* FrameView::readingsForm() const
{
    return d->readingsForm;
}

QVBoxLayout* FrameView::sideLayout() const
{
    return d->sideLayout;
}

const LiveReadings& FrameView::readings() const
{
    return d->readings;
}

bool FrameView::hasLevels() const
{
    return d->levels.isValid();
}

void FrameView::setPlaceholderText(const QString& text)
{
    d->view->setPlaceholderText(text);
}

void FrameView::setNoTemperaturesText(const QString& text)
{
    d->noTemperatures = text;
}

QString FrameView::noTemperaturesText() const
{
    return d->noTemperatures;
}

void FrameView::showFrame(const char* record, const ushort* palette, const QString& pickedLayout, const QString& time)
{
    d->damaged = record == nullptr;
    d->time = time;
    if (record) {
        d->levels = FrameLevels::fromRecord(record);
        Video_ExtInf frame;
        std::memcpy(frame.bytes, record, sizeof frame.bytes);
        d->paletteNumber = FrameDecoder::paletteNumber(frame);
        d->readings = LiveReadings::fromRecord(record, pickedLayout);
        d->recordShown = true;
        d->decoded = QPixmap();
    } else {
        d->readings = LiveReadings();
    }
    d->temperatures = LevelTemperatures();
    if (d->readings.valid && d->readings.hasScale)
        d->temperatures =
            LevelTemperatures{d->readings.layoutLabel(), d->readings.scaleLow / 10.0, d->readings.scaleHigh / 10.0};
    if (palette) {
        std::memcpy(d->palette.data(), palette, sizeof d->palette);
        d->hasPalette = true;
    }
    d->bar->setPalette565(palette ? palette : (d->hasPalette ? d->palette.data() : nullptr));
    d->showReadings();
    const PictureSpots hotCold = record ? PictureSpots::fromRecord(record) : PictureSpots();
    if (!hotCold.valid) {
        d->view->setSpots(QPoint(-1, -1), QString(), QPoint(-1, -1), QString());
    } else {
        QString hotText, coldText;
        if (d->readings.valid && d->readings.hasScale) {
            hotText = d->tenthsText(d->readings.temperatureOfIndex(hotCold.hotIndex));
            coldText = d->tenthsText(d->readings.temperatureOfIndex(hotCold.coldIndex));
        }
        d->view->setSpots(d->toShown(hotCold.hottest), hotText, d->toShown(hotCold.coldest), coldText);
    }
    if (record)
        d->render();
    d->measure();
}

void FrameView::showPicture(const QPixmap& picture)
{
    if (picture.isNull())
        return;
    if (d->recordShown) {
        d->recordShown = false;
        return;
    }
    d->levels = FrameLevels();
    d->decoded = picture;
    d->view->setPixmap(picture);
    emit pictureChanged();
}

void FrameView::clear()
{
    d->levels = FrameLevels();
    d->decoded = QPixmap();
    d->recordShown = false;
    d->damaged = false;
    d->readings = LiveReadings();
    d->temperatures = LevelTemperatures();
    d->view->clear();
    d->view->setSpots(QPoint(-1, -1), QString(), QPoint(-1, -1), QString());
    d->view->setCentreMarker(false);
    d->bar->setPalette565(nullptr);
    d->hasPalette = false;
    d->bar->setLabels(tr("--"), tr("--"));
    d->bar->setToolTip(QString());
    for (QLabel* label : {d->lblMax, d->lblMin, d->lblCentre}) {
        label->setText(tr("--"));
        label->setToolTip(QString());
    }
    d->lblLayout->setText(dash);
    d->shownState = -1;
    d->measure();
}

void FrameView::Private::showReadings()
{
    const LiveReadings& now = readings;
    const int state = now.valid ? 1 : 0;
    const QString profile = (now.outOfRange ? QStringLiteral("!") : QString()) +
                            (now.verified ? QString() : QStringLiteral("?")) + now.layout;
    const bool changedState = state != shownState || profile != shownProfile;
    shownState = state;
    shownProfile = profile;
    QLabel* const values[] = {lblMax, lblMin, lblCentre};
    if (changedState) {
        const QString why = now.outOfRange ? LiveReadings::outOfRangeText(now.layout) : noTemperatures;
        lblLayout->setText(now.layoutText());
        lblLayout->setToolTip(now.valid ? QString() : why);
        const bool given[] = {now.hasMax, now.hasMin, now.hasCentre};
        for (int i = 0; i < 3; ++i) {
            if (!now.valid || !given[i])
                values[i]->setText(dash);
            values[i]->setToolTip(now.valid ? QString() : why);
        }
        bar->setToolTip(now.valid ? QString() : why);
        view->setCentreMarker(now.valid && now.hasCentre);
    }
    if (state == 1) {
        // Labels are set only when their value changes: most frames change few of them.
        if (now.hasMax && (changedState || now.maxTemp != shownReadings.maxTemp))
            lblMax->setText(tenthsText(now.maxTemp));
        if (now.hasMin && (changedState || now.minTemp != shownReadings.minTemp))
            lblMin->setText(tenthsText(now.minTemp));
        if (now.hasCentre && (changedState || now.centreTemp != shownReadings.centreTemp))
            lblCentre->setText(tenthsText(now.centreTemp));
    }
    shownReadings = now;

    // The scale's ends: the held range, the frame's own, or only which end is hot.
    if (heldCelsiusApplies())
        bar->setLabels(temperatureText(heldHigh), temperatureText(heldLow));
    else if (celsiusKnown() && !hold)
        bar->setLabels(temperatureText(temperatures.highC), temperatureText(temperatures.lowC));
    else
        bar->setLabels(FrameView::tr("hot"), FrameView::tr("cold"));
}

LevelMapping::Table FrameView::Private::mapping() const
{
    if (!hold)
        return LevelMapping::identity();
    if (holdCelsius)
        return heldCelsiusApplies() ? LevelMapping::heldCelsius(temperatures, heldLow, heldHigh)
                                    : LevelMapping::identity();
    return LevelMapping::window(int(heldLow), int(heldHigh));
}

void FrameView::Private::render()
{
    if (!levels.isValid()) {
        if (!decoded.isNull())
            view->setPixmap(decoded);
        return;
    }
    const LevelMapping::Table table = mapping();
    colours = LevelMapping::colours(table, hasPalette ? palette.data() : nullptr);
    // The bar shows each level's colour; a held °C range is the bar's whole height.
    const bool windowed = hold && !holdCelsius;
    bar->setMapping(windowed ? table.data() : nullptr);
    bar->setWindow(windowed, int(heldLow), int(heldHigh));
    const QSize shown = orientation.turned(cameraSize);
    if (view->pictureSize() != shown)
        view->setImage(QImage(), shown); // the target for the new shape first, then the scale for it
    const auto enlargement = smooth ? LevelRender::Enlargement::Smooth : LevelRender::Enlargement::Crisp;
    view->setImage(LevelRender::render(levels, colours, orientation, view->wantedScale(), enlargement), shown);
    emit q->pictureChanged();
}

void FrameView::Private::measure()
{
    QStringList lines;
    QVector<PictureView::Mark> marks;
    const bool have = levels.isValid() && !damaged;
    const bool celsius = have && celsiusKnown();
    auto valueText = [&](double level) {
        if (!have)
            return dash;
        const QString l = QLocale().toString(level, 'f', level == std::floor(level) ? 0 : 1);
        return celsius ? FrameView::tr("%1 (%2)").arg(l, temperatureText(temperatures.celsius(level))) : l;
    };
    auto shortText = [&](double level) {
        if (!have)
            return dash;
        return celsius ? temperatureText(temperatures.celsius(level)) : QLocale().toString(level, 'f', 0);
    };
    for (int i = 0; i < spots.size(); ++i) {
        const int level = LevelStats::spot(levels, spots[i]);
        lines << FrameView::tr("S%1: %2").arg(i + 1).arg(valueText(level));
        PictureView::Mark m;
        m.kind = PictureView::Mark::Spot;
        m.a = toShown(spots[i]);
        m.text = FrameView::tr("S%1 %2").arg(i + 1).arg(shortText(level));
        m.selected = selectedKind == Kind::Spot && selected == i;
        marks << m;
    }
    for (int i = 0; i < boxes.size(); ++i) {
        const LevelStats::Box box = LevelStats::box(levels, boxes[i]);
        const bool ok = have && box.valid;
        lines << FrameView::tr("B%1: min %2, max %3, mean %4")
                     .arg(i + 1)
                     .arg(ok ? valueText(box.minimum) : dash, ok ? valueText(box.maximum) : dash,
                          ok ? valueText(box.mean) : dash);
        PictureView::Mark m;
        m.kind = PictureView::Mark::Box;
        const QPoint a = toShown(boxes[i].topLeft()), b = toShown(boxes[i].bottomRight());
        m.a = QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y()));
        m.b = QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y()));
        m.text = FrameView::tr("B%1").arg(i + 1);
        m.selected = selectedKind == Kind::Box && selected == i;
        if (ok) {
            m.hot = toShown(box.hottest);
            m.cold = toShown(box.coldest);
        }
        marks << m;
    }
    QVector<int> profile;
    if (line) {
        const LevelStats::Profile p = LevelStats::profile(levels, *line);
        if (have)
            profile = p.levels;
        int lo = 256, hi = -1;
        for (int v : p.levels) {
            lo = qMin(lo, v);
            hi = qMax(hi, v);
        }
        const bool ok = have && !p.levels.isEmpty();
        lines << FrameView::tr("Line: %1 pixels, min %2, max %3")
                     .arg(p.pixels.size())
                     .arg(ok ? valueText(lo) : dash, ok ? valueText(hi) : dash);
        PictureView::Mark m;
        m.kind = PictureView::Mark::Line;
        m.a = toShown(line->p1());
        m.b = toShown(line->p2());
        m.text = FrameView::tr("L");
        m.selected = selectedKind == Kind::Line;
        marks << m;
    }
    view->setMarks(marks);

    QString text;
    if (lines.isEmpty()) {
        text = FrameView::tr("No markers: choose Spot, Box or Line and use the picture.");
    } else {
        // The layout goes with every temperature shown.
        const QString head = !have ? FrameView::tr("No picture data in this frame.")
                             : celsius
                                 ? FrameView::tr("Levels (0-255) and temperatures from %1:").arg(temperatures.layout)
                                 : FrameView::tr("Levels (0-255); no temperatures in this frame.");
        text = head + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    }
    // Set only when it changed: a label laid out again each frame costs more than the measuring.
    if (text != lblMeasures->text()) {
        lblMeasures->setText(text);
        fitHeight(lblMeasures);
    }
    measures = lines;

    if (profileChart)
        profileChart->setValues(profile);
    if (histogramChart && histogram) {
        const std::array<int, 256> counts = LevelStats::histogram(levels);
        histogramChart->setValues(have ? QVector<int>(counts.begin(), counts.end()) : QVector<int>());
        double lo = -1, hi = -1;
        if (hold && !holdCelsius) {
            lo = heldLow;
            hi = heldHigh;
        } else if (heldCelsiusApplies() && temperatures.highC > temperatures.lowC) {
            const double span = temperatures.highC - temperatures.lowC;
            lo = qBound(0.0, (heldLow - temperatures.lowC) * 255 / span, 255.0);
            hi = qBound(0.0, (heldHigh - temperatures.lowC) * 255 / span, 255.0);
        }
        histogramChart->setMarks(lo, hi);
    }
}

void FrameView::Private::ensureCharts()
{
    if (line && !profileChart) {
        profileChart = new LevelChart(LevelChart::Profile);
        profileChart->setObjectName(QStringLiteral("profileChart"));
        chartRow->addWidget(profileChart, 1);
        QObject::connect(profileChart, &LevelChart::hovered, q, [this](int index) {
            profileCursor = index;
            const LevelStats::Profile p = line ? LevelStats::profile(levels, *line) : LevelStats::Profile();
            view->setCursorMark(index >= 0 && index < p.pixels.size()
                                    ? QPointF(toShown(p.pixels[index])) + QPointF(0.5, 0.5)
                                    : QPointF(-1, -1));
        });
    }
    if (profileChart)
        profileChart->setVisible(bool(line));
    if (histogram && !histogramChart) {
        histogramChart = new LevelChart(LevelChart::Histogram);
        histogramChart->setObjectName(QStringLiteral("histogramChart"));
        chartRow->addWidget(histogramChart, 1);
    }
    if (histogramChart)
        histogramChart->setVisible(histogram);
}

void FrameView::Private::updateHeldControls()
{
    const QSignalBlocker blockLow(spnHeldLow), blockHigh(spnHeldHigh);
    heldRow->setVisible(hold);
    for (QDoubleSpinBox* spin : {spnHeldLow, spnHeldHigh}) {
        if (holdCelsius) {
            spin->setDecimals(1);
            spin->setRange(-273.1, 3000.0);
            spin->setSuffix(QStringLiteral(" \u00B0C"));
        } else {
            spin->setDecimals(0);
            spin->setRange(0, 255);
            spin->setSuffix(QString());
        }
    }
    spnHeldLow->setValue(heldLow);
    spnHeldHigh->setValue(heldHigh);
    lblHeld->setVisible(hold);
    lblHeld->setText(holdCelsius ? FrameView::tr("Held scale, from %1:")
                                       .arg(heldLayout.isEmpty() ? FrameView::tr("the layout held") : heldLayout)
                                 : FrameView::tr("Held level window (drag the handles on the colour scale):"));
    const QSignalBlocker b(btnHold);
    btnHold->setChecked(hold);
}

void FrameView::Private::changed(bool rerender)
{
    const QSignalBlocker spot(btnSpot), box(btnBox), lineButton(btnLine), histo(btnHistogram), smoothButton(btnSmooth),
        mirror(btnMirror);
    btnSpot->setChecked(tool == Tool::Spot);
    btnBox->setChecked(tool == Tool::Box);
    btnLine->setChecked(tool == Tool::Line);
    btnHistogram->setChecked(histogram);
    btnSmooth->setChecked(smooth);
    btnMirror->setChecked(orientation.mirrored());
    ensureCharts();
    if (rerender)
        render();
    measure();
    save();
}

void FrameView::Private::save() const
{
    QSettings& s = viewSettings();
    s.beginGroup(key);
    s.setValue(QStringLiteral("tool"), int(tool));
    s.setValue(QStringLiteral("rotation"), orientation.degrees());
    s.setValue(QStringLiteral("mirrored"), orientation.mirrored());
    s.setValue(QStringLiteral("smooth"), smooth);
    s.setValue(QStringLiteral("histogram"), histogram);
    s.setValue(QStringLiteral("hold"), hold);
    s.setValue(QStringLiteral("holdCelsius"), holdCelsius);
    s.setValue(QStringLiteral("heldLow"), heldLow);
    s.setValue(QStringLiteral("heldHigh"), heldHigh);
    s.setValue(QStringLiteral("heldLayout"), holdCelsius ? heldLayout : QString());
    s.setValue(QStringLiteral("spots"), pointsText(spots));
    QVector<QPoint> corners;
    for (const QRect& r : boxes)
        corners << r.topLeft() << r.bottomRight();
    s.setValue(QStringLiteral("boxes"), pointsText(corners));
    s.setValue(QStringLiteral("line"), line ? pointsText({line->p1(), line->p2()}) : QString());
    s.endGroup();
}

void FrameView::Private::restore()
{
    QSettings& s = viewSettings();
    s.beginGroup(key);
    const int t = s.value(QStringLiteral("tool")).toInt();
    tool = t >= 0 && t <= int(Tool::Line) ? Tool(t) : Tool::None;
    orientation =
        Orientation(s.value(QStringLiteral("rotation")).toInt(), s.value(QStringLiteral("mirrored")).toBool());
    smooth = s.value(QStringLiteral("smooth")).toBool();
    histogram = s.value(QStringLiteral("histogram")).toBool();
    holdCelsius = s.value(QStringLiteral("holdCelsius")).toBool();
    heldLayout = s.value(QStringLiteral("heldLayout")).toString();
    // A °C range without the layout it came from holds for nothing.
    if (holdCelsius && heldLayout.isEmpty())
        holdCelsius = false;
    hold = s.value(QStringLiteral("hold")).toBool();
    heldLow = s.value(QStringLiteral("heldLow"), 0.0).toDouble();
    heldHigh = s.value(QStringLiteral("heldHigh"), 255.0).toDouble();
    if (!(heldHigh > heldLow)) {
        hold = false;
        heldLow = 0;
        heldHigh = 255;
    }
    spots = pointsFrom(s.value(QStringLiteral("spots")).toString()).mid(0, MaxSpots);
    const QVector<QPoint> corners = pointsFrom(s.value(QStringLiteral("boxes")).toString());
    for (int i = 0; i + 1 < corners.size() && boxes.size() < MaxBoxes; i += 2)
        boxes << cameraRect(corners[i], corners[i + 1]);
    const QVector<QPoint> ends = pointsFrom(s.value(QStringLiteral("line")).toString());
    if (ends.size() == 2)
        line = QLine(ends[0], ends[1]);
    s.endGroup();
    changed(false);
}

void FrameView::Private::select(Kind kind, int index)
{
    selectedKind = kind;
    selected = index;
}

bool FrameView::Private::hit(const QPoint& camera, Kind* kind, int* index) const
{
    auto near = [](const QPoint& a, const QPoint& b) { return qAbs(a.x() - b.x()) <= 1 && qAbs(a.y() - b.y()) <= 1; };
    for (int i = spots.size() - 1; i >= 0; --i) {
        if (near(spots[i], camera)) {
            *kind = Kind::Spot;
            *index = i;
            return true;
        }
    }
    if (line) {
        const LevelStats::Profile p = LevelStats::profile(levels, *line);
        for (const QPoint& px : p.pixels) {
            if (near(px, camera)) {
                *kind = Kind::Line;
                *index = 0;
                return true;
            }
        }
    }
    for (int i = boxes.size() - 1; i >= 0; --i) {
        if (boxes[i].contains(camera)) {
            *kind = Kind::Box;
            *index = i;
            return true;
        }
    }
    return false;
}

void FrameView::Private::onPress(const QPointF& at, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const QPoint camera = toCamera(at);
    if (!FrameLevels::bounds().contains(camera))
        return;
    Kind kind = Kind::None;
    int index = -1;
    dragging = Kind::None;
    if (hit(camera, &kind, &index)) {
        select(kind, index);
        if (kind == Kind::Spot)
            dragging = Kind::Spot;
    } else if (tool == Tool::Spot && spots.size() < MaxSpots) {
        spots << camera;
        select(Kind::Spot, spots.size() - 1);
        dragging = Kind::Spot;
    } else if (tool == Tool::Box && boxes.size() < MaxBoxes) {
        boxes << QRect(camera, camera);
        select(Kind::Box, boxes.size() - 1);
        dragging = Kind::Box;
        dragStart = camera;
    } else if (tool == Tool::Line) {
        line = QLine(camera, camera);
        select(Kind::Line, 0);
        dragging = Kind::Line;
    } else {
        select(Kind::None, -1);
    }
    ensureCharts();
    measure();
}

void FrameView::Private::onDrag(const QPointF& at)
{
    QPoint camera = toCamera(at);
    camera = QPoint(qBound(0, camera.x(), FrameLevels::Width - 1), qBound(0, camera.y(), FrameLevels::Height - 1));
    switch (dragging) {
    case Kind::Spot:
        spots[selected] = camera;
        break;
    case Kind::Box:
        boxes[selected] = cameraRect(dragStart, camera);
        break;
    case Kind::Line:
        line->setP2(camera);
        break;
    case Kind::None:
        return;
    }
    measure();
}

void FrameView::Private::onRelease(const QPointF& at)
{
    if (dragging == Kind::None)
        return;
    onDrag(at);
    // A click is not a box or a line: they need a drag.
    if (dragging == Kind::Line && line && line->p1() == line->p2()) {
        line.reset();
        select(Kind::None, -1);
    }
    dragging = Kind::None;
    changed(false);
}

void FrameView::Private::onHover(const QPointF& at)
{
    int index = -1;
    QPointF mark(-1, -1);
    if (line && at.x() >= 0) {
        const LevelStats::Profile p = LevelStats::profile(levels, *line);
        const QPoint camera = toCamera(at);
        for (int i = 0; i < p.pixels.size(); ++i) {
            if (qAbs(p.pixels[i].x() - camera.x()) <= 1 && qAbs(p.pixels[i].y() - camera.y()) <= 1) {
                index = i;
                mark = QPointF(toShown(p.pixels[i])) + QPointF(0.5, 0.5);
                break;
            }
        }
    }
    profileCursor = index;
    view->setCursorMark(mark);
    if (profileChart)
        profileChart->setCursor(index);
}

void FrameView::Private::onKey(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        if (selectedKind == Kind::Spot && selected < spots.size())
            spots.remove(selected);
        else if (selectedKind == Kind::Box && selected < boxes.size())
            boxes.remove(selected);
        else if (selectedKind == Kind::Line)
            line.reset();
        else
            return;
        select(Kind::None, -1);
        event->accept();
        changed(false);
        return;
    }
    if (event->key() == Qt::Key_Escape && selectedKind != Kind::None) {
        select(Kind::None, -1);
        event->accept();
        measure();
        return;
    }
    if (selectedKind != Kind::Spot || selected >= spots.size())
        return;
    // Arrows move on the screen, whatever the turn.
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        step = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        step = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        step = QPoint(0, 1);
        break;
    default:
        return;
    }
    const QPoint moved = orientation.toCamera(toShown(spots[selected]) + step, cameraSize);
    if (FrameLevels::bounds().contains(moved))
        spots[selected] = moved;
    event->accept();
    changed(false);
}

void FrameView::setTool(Tool tool)
{
    d->tool = tool;
    d->changed(false);
}

FrameView::Tool FrameView::tool() const
{
    return d->tool;
}

bool FrameView::addSpot(const QPoint& pixel)
{
    if (d->spots.size() >= MaxSpots || !FrameLevels::bounds().contains(pixel))
        return false;
    d->spots << pixel;
    d->changed(false);
    return true;
}

bool FrameView::addBox(const QRect& pixels)
{
    const QRect r = pixels.normalized() & FrameLevels::bounds();
    if (d->boxes.size() >= MaxBoxes || r.isEmpty())
        return false;
    d->boxes << r;
    d->changed(false);
    return true;
}

void FrameView::setLine(const QLine& pixels)
{
    d->line = pixels;
    d->changed(false);
}

void FrameView::removeMarkers()
{
    d->spots.clear();
    d->boxes.clear();
    d->line.reset();
    d->select(Private::Kind::None, -1);
    d->changed(false);
}

QVector<QPoint> FrameView::spots() const
{
    return d->spots;
}

QVector<QRect> FrameView::boxes() const
{
    return d->boxes;
}

QLine FrameView::line() const
{
    return d->line.value_or(QLine());
}

bool FrameView::hasLine() const
{
    return bool(d->line);
}

QStringList FrameView::measurementTexts() const
{
    return d->measures;
}

void FrameView::setOrientation(const Orientation& orientation)
{
    d->orientation = orientation;
    d->changed();
    // The hottest and coldest marks are placed again with the next frame; until then they would point
    // at the old place.
    d->view->setSpots(QPoint(-1, -1), QString(), QPoint(-1, -1), QString());
}

Orientation FrameView::orientation() const
{
    return d->orientation;
}

void FrameView::setSmooth(bool smooth)
{
    d->smooth = smooth;
    d->changed();
}

bool FrameView::isSmooth() const
{
    return d->smooth;
}

void FrameView::setHistogramShown(bool shown)
{
    d->histogram = shown;
    d->changed(false);
}

bool FrameView::isHistogramShown() const
{
    return d->histogram;
}

void FrameView::setHoldScale(bool hold)
{
    if (hold && !d->hold) {
        // What is in front now is what stays: the frame's °C range, or every level.
        d->holdCelsius = d->celsiusKnown();
        d->heldLow = d->holdCelsius ? d->temperatures.lowC : 0;
        d->heldHigh = d->holdCelsius ? d->temperatures.highC : 255;
        d->heldLayout = d->holdCelsius ? d->temperatures.layout : QString();
        if (!(d->heldHigh > d->heldLow)) {
            d->holdCelsius = false;
            d->heldLow = 0;
            d->heldHigh = 255;
        }
    }
    d->hold = hold;
    d->updateHeldControls();
    d->showReadings();
    d->changed();
}

bool FrameView::isScaleHeld() const
{
    return d->hold;
}

bool FrameView::isHeldInCelsius() const
{
    return d->hold && d->holdCelsius;
}

void FrameView::setHeldRange(double low, double high)
{
    if (!(high > low))
        return;
    d->heldLow = low;
    d->heldHigh = high;
    d->updateHeldControls();
    d->showReadings();
    d->changed();
}

double FrameView::heldLow() const
{
    return d->heldLow;
}

double FrameView::heldHigh() const
{
    return d->heldHigh;
}

bool FrameView::hasPicture() const
{
    return d->levels.isValid() || !d->decoded.isNull();
}

QPixmap FrameView::picture() const
{
    if (!d->levels.isValid())
        return d->decoded;
    return QPixmap::fromImage(
        LevelRender::render(d->levels, d->colours, d->orientation, 1, LevelRender::Enlargement::Crisp));
}

QImage FrameView::annotatedImage() const
{
    if (!hasPicture())
        return QImage();
    const QImage picture = d->view->grab(d->view->targetRect().adjusted(-4, -4, 4, 4)).toImage();
    const QImage scale = d->bar->grab().toImage();
    QStringList text;
    if (!d->time.isEmpty())
        text << tr("Time: %1").arg(d->time);
    text << tr("Layout: %1").arg(d->lblLayout->text());
    text << tr("Max: %1   Min: %2   Centre: %3").arg(d->lblMax->text(), d->lblMin->text(), d->lblCentre->text());
    text << tr("Turned: %1").arg(d->orientation.text());
    // A held °C range is named only with the frames it holds for, and with their layout.
    if (d->heldCelsiusApplies())
        text << tr("Held scale: %1 to %2, from %3")
                    .arg(d->temperatureText(d->heldLow), d->temperatureText(d->heldHigh), d->heldLayout);
    else if (d->hold && !d->holdCelsius)
        text << tr("Held level window: %1 to %2").arg(d->heldLow).arg(d->heldHigh);
    text << d->lblMeasures->text().split(QLatin1Char('\n'));
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.lineSpacing();
    const int width = qMax(picture.width() + scale.width() + 8, 360);
    const int textHeight = lineHeight * text.size() + 8;
    QImage out(width, qMax(picture.height(), scale.height()) + textHeight, QImage::Format_RGB32);
    out.fill(palette().color(QPalette::Window));
    QPainter painter(&out);
    painter.drawImage(0, 0, picture);
    painter.drawImage(picture.width() + 8, 0, scale);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    int y = qMax(picture.height(), scale.height()) + 4 + metrics.ascent();
    for (const QString& line : text) {
        painter.drawText(4, y, line);
        y += lineHeight;
    }
    return out;
}

QByteArray FrameView::csv() const
{
    FrameCsv::Header header;
    header.time = d->time;
    header.palette = d->paletteNumber;
    if (d->celsiusKnown())
        header.temperatures = d->temperatures;
    header.orientation = d->orientation;
    return FrameCsv::text(d->levels, header);
}

bool FrameView::save(const QString& fileName, SaveFormat format, QString* error) const
{
    switch (format) {
    case SaveFormat::Picture:
        return PictureFile::savePng(picture(), fileName, error);
    case SaveFormat::Annotated:
        return PictureFile::savePng(QPixmap::fromImage(annotatedImage()), fileName, error);
    case SaveFormat::Csv: {
        const QByteArray text = csv();
        if (text.isEmpty()) {
            if (error)
                *error = tr("There are no levels to save: the picture came without its frame.");
            return false;
        }
        return WholeFile::write(fileName, text, error);
    }
    }
    return false;
}
