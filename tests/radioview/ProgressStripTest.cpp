// The main window's progress strip while a module is read at the line's real pace: the windows
// repaint during the transfer, so the strip is seen growing page by page.
#include "ViewFixture.h"

#include "platform/Progress.h"
#include "support/LineTimingScale.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>

namespace {

// Records, for each time the strip's bar is painted, when (ms from the start) and how wide.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* bar) : bar_(bar)
    {
        bar->installEventFilter(this);
        clock_.start();
    }
    struct Paint {
        qint64 ms;
        int width;
    };
    QList<Paint> paints;
    qint64 elapsed() const { return clock_.elapsed(); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && bar_->isVisible())
            paints << Paint{clock_.elapsed(), bar_->width()};
        return false;
    }

private:
    QWidget* bar_;
    QElapsedTimer clock_;
};

} // namespace

// The line's real timing: the read must take long enough to be seen growing.
class ProgressStripTest : public ViewRackTest {
    testsupport::RealLineTiming realTiming_;
};

TEST_F(ProgressStripTest, GrowsWhileA128ChannelModuleIsRead)
{
    addModule(kTransmitterModel, kSerial, {}, 128);
    rack_.setPacing(true);
    auto* bar = main_->findChild<QFrame*>(QStringLiteral("shapeProgress"));
    auto* frame = main_->findChild<QFrame*>(QStringLiteral("shapeProgressBackground"));
    ASSERT_TRUE(bar && frame);

    PaintLog log(bar);
    auto* w = new frmOrvView;
    ASSERT_EQ(w->intInitFromModule(QString::number(kSerial)), 0);
    const qint64 took = log.elapsed();
    ASSERT_GT(took, 1000) << "a paced read of 147 pages takes seconds";

    // The last picture of the strip painted before half the read's time shows it part-grown.
    const PaintLog::Paint* halfway = nullptr;
    for (const PaintLog::Paint& p : log.paints)
        if (p.ms <= took / 2)
            halfway = &p;
    ASSERT_NE(halfway, nullptr) << "the strip was not painted in the first half of the read";
    EXPECT_GT(halfway->width, 1);
    EXPECT_LT(halfway->width, frame->width() - 4);
    EXPECT_GT(log.paints.size(), 20) << "the strip repaints page by page";
}
