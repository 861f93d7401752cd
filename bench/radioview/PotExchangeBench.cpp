// The pot adjustment dialog against an emulated transmitter that answers at the pace of 9600 baud.
//
// One exchange is LINK, WRITE and END; its floor is each command's 20 ms quiet time and its bytes
// on the line (10 echoed and answered for LINK and END, 20 for WRITE), 10 bits a byte:
// 30.4 + 40.8 + 30.4 = 101.7 ms. Printed: the wall time of one exchange against the floor (target
// at most 1.05), and for a thumb dragged over 0..255 how many exchanges end after its last move
// until the module holds 255 (target at most 2).
#include "platform/CommPort.h"
#include "radio/CLASSOrvDocument.h"
#include "radioview/frmSetEpots.h"
#include "rackemu/PageImage.h"
#include "rackemu/Rack.h"
#include "support/RackLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kSerial = 4660;
constexpr int kPage = 16;  // the default channel's page: partition 16, channel 0
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr double kFloorMs = (20 + 10 * kByteMs) + (20 + 20 * kByteMs) + (20 + 10 * kByteMs);
constexpr int kExchanges = 20;
constexpr int kDragMs = 2000;

double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir folder;
    rackemu::Rack rack;
    rack.addModule({kSerial, rackemu::Kind::Transmitter, rackemu::defaultImage(rackemu::Kind::Transmitter, kSerial)});
    if (!bench::openRackLine(rack, folder.path()))
        return 1;
    platform::CommPort& port = platform::CommPort::instance();

    CLASSOrvDocument doc;
    doc.strSerial = QString::number(kSerial);
    doc.intPartition = kPage;
    doc.intCurrentchannel = 0;

    // When the rack took each END frame (on the rack's thread).
    std::mutex endsLock;
    std::vector<Clock::time_point> endTimes;
    rack.setObserver([&](const rackemu::FrameRecord& f) {
        if (f.valid && f.command == static_cast<uint8_t>(rackemu::Command::End)) {
            const std::lock_guard<std::mutex> lock(endsLock);
            endTimes.push_back(Clock::now());
        }
    });
    auto endsAfter = [&](Clock::time_point t) {
        const std::lock_guard<std::mutex> lock(endsLock);
        return static_cast<int>(std::count_if(endTimes.begin(), endTimes.end(), [t](Clock::time_point e) { return e > t; }));
    };
    auto moduleReference = [&] { return rackemu::pageByte(rack.pages(kSerial), kPage, 3); };

    int status = 0;
    frmSetEpots dialog;
    QTimer::singleShot(0, &dialog, [&] {
        // One exchange, again and again.
        std::vector<double> each;
        for (int i = 0; i < kExchanges; ++i) {
            const auto start = Clock::now();
            if (dialog.intCommit() != 0) {
                std::fprintf(stderr, "bench_pot: an exchange failed\n");
                status = 1;
                dialog.close();
                return;
            }
            each.push_back(msSince(start));
        }
        std::sort(each.begin(), each.end());
        const double median = each[each.size() / 2];
        std::printf("exchange: LINK WRITE END x%d, median %.1f ms (min %.1f, max %.1f), floor %.1f ms, ratio %.3f (target <= 1.05)\n",
                    kExchanges, median, each.front(), each.back(), kFloorMs, median / kFloorMs);

        // The thumb goes from 0 to 255 in kDragMs as a hand would move it: where it is depends on the
        // time, not on how many positions the dialog took.
        QScrollBar* bar = dialog.vsbReference;
        bar->setValue(0);
        QCoreApplication::processEvents();
        const int exchangesBefore = dialog.exchanges();
        const auto dragStart = Clock::now();
        Clock::time_point lastMove{};
        bool moving = true;
        while (moving) {
            const double t = msSince(dragStart);
            const int value = std::min(255, static_cast<int>(255.0 * t / kDragMs));
            bar->setValue(value);
            if (value == 255) {
                lastMove = Clock::now();
                moving = false;
            }
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (moduleReference() != 255 && Clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const double held = msSince(lastMove);
        const int after = endsAfter(lastMove);
        std::printf("drag 0..255 over %d ms: %d exchanges for 256 positions; the module holds 255 %.0f ms after the "
                    "last move, %d exchange(s) ending after it (target <= 2)\n",
                    kDragMs, dialog.exchanges() - exchangesBefore, held, after);
        if (moduleReference() != 255) {
            std::fprintf(stderr, "bench_pot: the module never took the final value\n");
            status = 1;
        }
        dialog.close();
    });
    dialog.ShowForm(doc, 0, 0);
    rack.setObserver(nullptr);
    port.setPortOpen(false);
    rack.stop();
    return status;
}
