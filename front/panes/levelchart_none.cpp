#include "levelchart.h"

#include <QLabel>
#include <QVBoxLayout>

// Built without Qt Charts: no plot, and no stand-in drawn by hand.
class LevelChart::Private {};

LevelChart::LevelChart(Kind, QWidget* parent) : QWidget(parent), d(nullptr)
{
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("This build of camdesk has no charts."));
    label->setWordWrap(true);
    layout->addWidget(label);
}

LevelChart::~LevelChart() = default;

bool LevelChart::available()
{
    return false;
}

void LevelChart::setValues(const QVector<int>& values)
{
    m_values = values;
}

void LevelChart::setMarks(double, double) {}

void LevelChart::setCursor(int) {}
