#pragma once
#include <QObject>
#include <QString>

namespace platform {

// The main window's progress indicator: a label, a bar (width 1 to 2000) and the bar's frame.
// Long operations call begin(), step() and end(); the main window shows the state.
class Progress : public QObject {
    Q_OBJECT
public:
    static constexpr int kFull = 2000;
    static Progress& instance();

    // Shows the three parts with the operation's text and the bar at width 1.
    void begin(const QString& caption);
    // Sets the bar's width, kept within 1..2000.
    void setWidth(int width);
    // Sets the bar to done / total of the full width.
    void step(long done, long total);
    // Grows the bar by `amount` while it is short of the full width.
    void grow(int amount);
    // Bar full, then the three parts hidden.
    void end();
    // The start-up state: label shown with an empty caption, bar (width 1) and frame hidden.
    void reset();

    QString caption() const { return caption_; }
    int width() const { return width_; }
    bool labelVisible() const { return labelVisible_; }
    bool barVisible() const { return barVisible_; }
    bool frameVisible() const { return frameVisible_; }
    // Nothing running: bar and frame hidden.
    bool atRest() const { return !barVisible_ && !frameVisible_; }

Q_SIGNALS:
    void changed();

private:
    QString caption_;
    int width_ = 1;
    bool labelVisible_ = true;
    bool barVisible_ = false;
    bool frameVisible_ = false;
};

// Ends the progress display on every path out of a scope.
class ProgressScope {
public:
    explicit ProgressScope(const QString& caption) { Progress::instance().begin(caption); }
    ~ProgressScope() { Progress::instance().end(); }
    void step(long done, long total) { Progress::instance().step(done, total); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
};

} // namespace platform
