// gorvo250-bench-baseline: the least a Qt program can do to put the closed case on screen: one
// 605 x 748 picture, read from a file, in a frameless window. Start-up time and memory of the
// game are compared with this program. With GORVO_REPORT_FIRST_PAINT set it reports its first
// paint on stderr as the game does: "first_paint <ms>", counted from the start of main().
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <cstdio>

namespace {

class PictureWindow : public QWidget {
  public:
    PictureWindow(QImage picture, const QElapsedTimer& since_start)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
          picture_(std::move(picture)),
          since_start_(since_start),
          report_(qEnvironmentVariableIsSet("GORVO_REPORT_FIRST_PAINT")) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(picture_.size());
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        for (const QRect& r : event->region())
            painter.drawImage(r, picture_, r);
        if (report_ && !painted_) {
            std::fprintf(stderr, "first_paint %lld\n",
                         static_cast<long long>(since_start_.elapsed()));
            std::fflush(stderr);
        }
        painted_ = true;
    }

  private:
    QImage picture_;
    const QElapsedTimer& since_start_;
    bool report_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer since_start;
    since_start.start();
    // As the game does: pixel for pixel.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gorvo250-bench-baseline <picture>\n");
        return 2;
    }
    QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read the picture %s\n", argv[1]);
        return 1;
    }
    PictureWindow window(std::move(picture), since_start);
    window.show();
    return QApplication::exec();
}
