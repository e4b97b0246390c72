#ifndef FRAMEVIEW_H
#define FRAMEVIEW_H

#include <panes/panes_export.h>

#include <QLine>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class ColourBar;
class Orientation;
class PictureView;
class QFormLayout;
class QVBoxLayout;
struct LiveReadings;

// One frame as both panes show it: the picture, its colour scale, the readings and the measuring tools
// (spots, boxes, a line with its profile, the histogram, a held colour scale, smooth enlargement,
// turning). Every tool reads the frame's levels; a temperature is shown only when the frame's layout
// gives one, with the layout's name. The tools' settings and markers are kept per pane in the user's
// settings under the given key.
class PANES_EXPORT FrameView : public QWidget {
    Q_OBJECT
public:
    enum class Tool { None, Spot, Box, Line };
    enum class SaveFormat { Picture, Annotated, Csv };
    static constexpr int MaxSpots = 8;
    static constexpr int MaxBoxes = 4;

    explicit FrameView(const QString& settingsKey, QWidget* parent = nullptr);
    ~FrameView() override;

    // Shows a frame: the whole record and the palette it is painted in; time names when it was taken. A
    // null record (a frame lost or damaged) leaves the picture and shows "—" in every reading and tool.
    void showFrame(const char* record, const ushort* palette, const QString& pickedLayout = QString(),
                   const QString& time = QString());
    // A picture without its record (what the camera library decoded): shown as it is, unless the
    // record of the same frame was shown already.
    void showPicture(const QPixmap& picture);
    void clear();

    void setPlaceholderText(const QString& text);
    void setNoTemperaturesText(const QString& text);
    QString noTemperaturesText() const;

    PictureView* pictureView() const;
    ColourBar* colourBar() const;
    // The readings box's rows, for a pane's own rows, and the side panel, for its own boxes; fitSide()
    // once they are in.
    QFormLayout* readingsForm() const;
    QVBoxLayout* sideLayout() const;
    void fitSide();
    const LiveReadings& readings() const;
    bool hasLevels() const;

    // The picture alone at the camera's size, turned and in the colours shown.
    QPixmap picture() const;
    bool hasPicture() const;
    // The view as shown: the enlarged, turned picture with its marks, the colour scale, the readings,
    // the measurements and the time of the frame.
    QImage annotatedImage() const;
    // The frame's levels (and temperatures, when it gives them) as CSV, turned as shown.
    QByteArray csv() const;
    // Writes the file whole or not at all; false with the reason.
    bool save(const QString& fileName, SaveFormat format, QString* error) const;

    // The tools, for the user through the tool row and for the tests.
    void setTool(Tool tool);
    Tool tool() const;
    bool addSpot(const QPoint& pixel);
    bool addBox(const QRect& pixels);
    void setLine(const QLine& pixels);
    void removeMarkers();
    QVector<QPoint> spots() const;
    QVector<QRect> boxes() const;
    QLine line() const;
    bool hasLine() const;
    // What the measurements list says, one entry per marker.
    QStringList measurementTexts() const;

    void setOrientation(const Orientation& orientation);
    Orientation orientation() const;
    void setSmooth(bool smooth);
    bool isSmooth() const;
    void setHistogramShown(bool shown);
    bool isHistogramShown() const;
    // Hold: with temperatures, the °C range of the frame in front; otherwise all levels as a window.
    void setHoldScale(bool hold);
    bool isScaleHeld() const;
    bool isHeldInCelsius() const;
    void setHeldRange(double low, double high);
    double heldLow() const;
    double heldHigh() const;

signals:
    // The picture changed: a frame, a turn, a new scale.
    void pictureChanged();

private:
    class Private;
    Private* d;
};

#endif // FRAMEVIEW_H
