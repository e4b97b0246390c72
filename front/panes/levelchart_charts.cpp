#include "levelchart.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <functional>

using namespace QtCharts;

namespace {

// Reports the x of the mouse in the chart's values.
class HoverView : public QChartView {
public:
    explicit HoverView(QChart* chart) : QChartView(chart) { setMouseTracking(true); }
    std::function<void(int)> onHover;

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPointF value = chart()->mapToValue(event->pos());
        if (onHover)
            onHover(chart()->plotArea().contains(event->pos()) ? qRound(value.x()) : -1);
        QChartView::mouseMoveEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        if (onHover)
            onHover(-1);
        QChartView::leaveEvent(event);
    }
};

} // namespace

class LevelChart::Private {
public:
    Kind kind = Profile;
    QChart* chart = nullptr;
    QLineSeries* series = nullptr;
    QLineSeries* lowMark = nullptr;
    QLineSeries* highMark = nullptr;
    QScatterSeries* cursor = nullptr;
    QValueAxis* x = nullptr;
    QValueAxis* y = nullptr;
    double low = -1;
    double high = -1;
    int cursorIndex = -1;
    int top = 1;

    void placeMarks()
    {
        const bool shown = low >= 0;
        lowMark->replace(shown ? QVector<QPointF>{{low, 0}, {low, double(top)}} : QVector<QPointF>());
        highMark->replace(shown ? QVector<QPointF>{{high, 0}, {high, double(top)}} : QVector<QPointF>());
    }
};

LevelChart::LevelChart(Kind kind, QWidget* parent) : QWidget(parent), d(new Private)
{
    d->kind = kind;
    d->chart = new QChart;
    d->chart->legend()->hide();
    d->chart->setMargins(QMargins(2, 2, 2, 2));
    d->chart->setBackgroundRoundness(0);
    d->chart->setTheme(QChart::ChartThemeDark);
    d->series = new QLineSeries;
    d->lowMark = new QLineSeries;
    d->highMark = new QLineSeries;
    d->cursor = new QScatterSeries;
    d->cursor->setMarkerSize(8);
    for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{d->series, d->lowMark, d->highMark, d->cursor})
        d->chart->addSeries(s);
    d->series->setUseOpenGL(false);
    for (QLineSeries* mark : {d->lowMark, d->highMark})
        mark->setPen(QPen(QColor(0xDC, 0x50, 0x00), 1.5, Qt::DashLine));
    d->x = new QValueAxis;
    d->y = new QValueAxis;
    d->x->setLabelFormat(QStringLiteral("%d"));
    d->y->setLabelFormat(QStringLiteral("%d"));
    d->x->setTickCount(5);
    d->y->setTickCount(3);
    d->chart->addAxis(d->x, Qt::AlignBottom);
    d->chart->addAxis(d->y, Qt::AlignLeft);
    for (QAbstractSeries* s : d->chart->series()) {
        s->attachAxis(d->x);
        s->attachAxis(d->y);
    }
    if (kind == Histogram) {
        d->x->setRange(0, 255);
        d->x->setTitleText(tr("level"));
        d->y->setTitleText(tr("pixels"));
    } else {
        d->y->setRange(0, 255);
        d->x->setTitleText(tr("along the line"));
        d->y->setTitleText(tr("level"));
    }
    auto* view = new HoverView(d->chart);
    view->setRenderHint(QPainter::Antialiasing, false);
    // Every frame moves the series: a scene index would be rebuilt each time for nothing.
    if (QGraphicsScene* scene = view->scene())
        scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    view->onHover = [this](int index) {
        if (d->kind == Profile)
            emit hovered(index >= 0 && index < m_values.size() ? index : -1);
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setMinimumHeight(150);
}

LevelChart::~LevelChart()
{
    delete d;
}

bool LevelChart::available()
{
    return true;
}

void LevelChart::setValues(const QVector<int>& values)
{
    if (values == m_values)
        return;
    m_values = values;
    QVector<QPointF> points;
    points.reserve(values.size());
    int top = 1;
    for (int i = 0; i < values.size(); ++i) {
        points.append(QPointF(i, values[i]));
        top = qMax(top, values[i]);
    }
    d->series->replace(points);
    if (d->kind == Histogram) {
        // Rounded up, so the axis does not jump with every frame.
        int step = 1;
        while (step * 10 < top)
            step *= 10;
        const int rounded = (top + step - 1) / step * step;
        if (rounded != d->top) {
            d->top = rounded;
            d->y->setRange(0, d->top);
            d->placeMarks();
        }
    } else {
        const int last = qMax(1, int(values.size()) - 1);
        if (d->x->max() != last)
            d->x->setRange(0, last);
        d->top = 255;
    }
    setCursor(d->cursorIndex);
}

void LevelChart::setMarks(double low, double high)
{
    if (low == d->low && high == d->high)
        return;
    d->low = low;
    d->high = high;
    d->placeMarks();
}

void LevelChart::setCursor(int index)
{
    d->cursorIndex = index;
    if (index >= 0 && index < m_values.size())
        d->cursor->replace(QVector<QPointF>{QPointF(index, m_values[index])});
    else
        d->cursor->clear();
}
