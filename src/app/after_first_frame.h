// What the first frame does not need, made right after it. The steps run in the order they were
// added, from the event loop once the main window has painted for the first time. An input event
// that arrives before then (a key, a click, a shortcut, a context-menu request) runs them first,
// before it is handled itself, so that whatever the input reaches already exists.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace gorvo::ui {
class TForm1;
}

namespace gorvo::app {

class AfterFirstFrame : public QObject {
  public:
    AfterFirstFrame() = default;
    ~AfterFirstFrame() override;
    AfterFirstFrame(const AfterFirstFrame&) = delete;
    AfterFirstFrame& operator=(const AfterFirstFrame&) = delete;

    void add(std::function<void()> step);
    // Runs the steps once `window` has painted its first frame, or at the first input.
    void arm(ui::TForm1& window);
    // Runs the steps not run yet, in order (also from within one of them: it then runs the rest).
    void finish();
    bool finished() const { return next_ == steps_.size(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void stop_watching();

    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    bool watching_ = false;
};

}  // namespace gorvo::app
