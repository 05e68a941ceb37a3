// The yardstick of tarnel's start-up: a bare Qt dialog with 120 widgets
// (labels, buttons, check boxes, line edits) and nothing else, reporting its
// first paint and its memory exactly as tarnel does with
// TARNEL_EXIT_AFTER_SHOWN, then ending. scripts/startup-bench.sh runs both.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QDialog& dialog) : QObject(&dialog), dialog_(dialog) { dialog.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &dialog_ || event->type() != QEvent::Paint || reported_) return false;
    reported_ = true;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("shown_at_us=%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    // CPU time as well: unlike the wall clock, a busy machine hardly moves it.
    std::printf("cpu_us=%lld\n", static_cast<long long>(static_cast<double>(std::clock()) * 1000000.0 / CLOCKS_PER_SEC));
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
      for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:")) std::printf("%s\n", line.simplified().constData());
    std::fflush(stdout);
    QTimer::singleShot(0, &dialog_, [this] { dialog_.done(0); });
    return false;
  }

 private:
  QDialog& dialog_;
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  auto* grid = new QGridLayout(&dialog);
  for (int i = 0; i < 120; ++i) {
    QWidget* widget = nullptr;
    switch (i % 4) {
      case 0: widget = new QLabel(QStringLiteral("Label %1").arg(i)); break;
      case 1: widget = new QPushButton(QStringLiteral("Button %1").arg(i)); break;
      case 2: widget = new QCheckBox(QStringLiteral("Check %1").arg(i)); break;
      default: widget = new QLineEdit; break;
    }
    grid->addWidget(widget, i / 8, i % 8);
  }
  new FirstPaint(dialog);
  dialog.show();
  return app.exec();
}
