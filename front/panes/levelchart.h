#ifndef LEVELCHART_H
#define LEVELCHART_H

#include <QVector>
#include <QWidget>

// A small plot of levels: a line's profile (level per point along it) or a picture's histogram (pixels
// per level). Plotted with Qt Charts where the build has it; otherwise the widget says so.
class LevelChart : public QWidget {
    Q_OBJECT
public:
    enum Kind { Profile, Histogram };
    explicit LevelChart(Kind kind, QWidget* parent = nullptr);
    ~LevelChart() override;

    static bool available();
    void setValues(const QVector<int>& values);
    QVector<int> values() const { return m_values; }
    // Histogram: the held level window, marked by two lines; a negative low hides them.
    void setMarks(double low, double high);
    // Profile: the point under the cursor, marked; negative hides it.
    void setCursor(int index);

signals:
    // Profile: the point the mouse is over on the chart, or -1.
    void hovered(int index);

private:
    class Private;
    Private* d;
    QVector<int> m_values;
};

#endif // LEVELCHART_H
