#pragma once
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <memory>

// A paint device that records what is drawn on it, in its own units, at 1440 units an inch, so
// that a recorded position in device units is the same number of twips.
class RecordingDevice : public QPaintDevice {
public:
    struct Text {
        int page;
        QPointF baseline;
        QString text;
        QFont font;
    };
    struct Line {
        int page;
        QLineF line;
        QPen pen;
    };
    struct Image {
        int page;
        QRectF box;
        QSize size;
    };

    RecordingDevice(int widthTwips, int heightTwips);
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    // Starts the next sheet (what a printer's newPage does).
    bool newPage();

    int page = 0;
    QList<Text> texts;
    QList<Line> lines;
    QList<Image> images;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    class Engine;
    int width_;
    int height_;
    std::unique_ptr<Engine> engine_;
};
