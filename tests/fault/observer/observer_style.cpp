// gorvo-observer: a Qt style that watches the real program from inside, for the fault tests. Qt
// loads it through its own plugin path (QT_PLUGIN_PATH, QT_STYLE_OVERRIDE=gorvo-observer); it
// draws exactly as Fusion and, through an event filter on the whole application:
//   - writes every message box shown to GORVO_OBSERVER_LOG and answers it with its default
//     button, as a player would;
//   - writes every other top-level window shown;
//   - with GORVO_OBSERVER_QUIT_MS, ends the event loop that long after the first window that is
//     no message box was shown, writing the peak memory of the process first.
// Log lines are tab-separated; text has its backslashes, tabs and line ends escaped:
//   message <icon> <title> <text>
//   window <class> <title> <width> <height>
//   peak_rss_kb <n>
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStylePlugin>
#include <QTimer>
#include <QWidget>

namespace {

QString escaped(QString text) {
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

void write_line(const QStringList& fields) {
    const QString path = qEnvironmentVariable("GORVO_OBSERVER_LOG");
    if (path.isEmpty()) return;
    QFile log(path);
    if (!log.open(QIODevice::Append | QIODevice::Text)) return;
    log.write((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
}

QString peak_rss_kb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return QString::fromLatin1(line.mid(6).trimmed().split(' ')[0]);
    }
    return {};
}

class Observer : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow()) return false;
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            message_shown(box);
        } else {
            window_shown(widget);
        }
        return false;
    }

  private:
    void message_shown(QMessageBox* box) {
        write_line({QStringLiteral("message"), QString::number(static_cast<int>(box->icon())),
                    escaped(box->windowTitle()), escaped(box->text())});
        QTimer::singleShot(0, box, [box] {
            QAbstractButton* button = box->defaultButton();
            if (button == nullptr && !box->buttons().isEmpty()) button = box->buttons().first();
            if (button != nullptr) {
                button->click();
            } else {
                box->close();
            }
        });
    }

    void window_shown(QWidget* window) {
        write_line({QStringLiteral("window"),
                    QString::fromLatin1(window->metaObject()->className()),
                    escaped(window->windowTitle()), QString::number(window->width()),
                    QString::number(window->height())});
        if (quit_armed_) return;
        bool ok = false;
        const int quit_ms = qEnvironmentVariableIntValue("GORVO_OBSERVER_QUIT_MS", &ok);
        if (!ok) return;
        quit_armed_ = true;
        QTimer::singleShot(quit_ms, qApp, [] {
            write_line({QStringLiteral("peak_rss_kb"), peak_rss_kb()});
            QCoreApplication::quit();
        });
    }

    bool quit_armed_ = false;
};

class ObserverStyle : public QProxyStyle {
  public:
    ObserverStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->installEventFilter(&observer_);
    }

  private:
    Observer observer_;
};

}  // namespace

class ObserverPlugin : public QStylePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "observer.json")
  public:
    QStyle* create(const QString& key) override {
        if (key.compare(QLatin1String("gorvo-observer"), Qt::CaseInsensitive) != 0) return nullptr;
        return new ObserverStyle;
    }
};

#include "observer_style.moc"
