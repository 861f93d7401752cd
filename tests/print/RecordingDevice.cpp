#include "RecordingDevice.h"

#include <QPixmap>
#include <QTextItem>

class RecordingDevice::Engine : public QPaintEngine {
public:
    explicit Engine(RecordingDevice* device) : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            transform_ = state.transform();
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        device_->texts.append({device_->page, transform_.map(p), item.text(), item.font()});
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPen pen = pen_;
            // The recorded width is in device units, like the positions.
            pen.setWidthF(pen_.widthF() * transform_.m11());
            device_->lines.append({device_->page, transform_.map(lines[i]), pen});
        }
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF&, Qt::ImageConversionFlags) override
    {
        device_->images.append({device_->page, transform_.mapRect(r), image.size()});
    }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF&) override
    {
        device_->images.append({device_->page, transform_.mapRect(r), pixmap.size()});
    }

private:
    RecordingDevice* device_;
    QTransform transform_;
    QPen pen_;
};

RecordingDevice::RecordingDevice(int widthTwips, int heightTwips)
    : width_(widthTwips), height_(heightTwips), engine_(std::make_unique<Engine>(this))
{
}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const { return engine_.get(); }

bool RecordingDevice::newPage()
{
    ++page;
    return true;
}

int RecordingDevice::metric(PaintDeviceMetric m) const
{
    switch (m) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return width_ * 254 / 14400;
    case PdmHeightMM: return height_ * 254 / 14400;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 1440;
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
    }
}
