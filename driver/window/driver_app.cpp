#include "driver_app.h"

#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "display_probe.h"

static void initLumisimResources() { Q_INIT_RESOURCE(lumisim); }

namespace lumisim {

namespace {

char appName[] = "DDrv_Lumisim";
char platformOption[] = "-platform";
// How often an open message box looks for a cancelled start.
constexpr int kCancelPollMs = 50;

}  // namespace

CDisplayDriverWin32App::CDisplayDriverWin32App(const DisplayParams &params, std::atomic<bool> &windowUp,
                                               const std::atomic<bool> &startCancelled)
    : params_(params),
      windowUp_(windowUp),
      startCancelled_(startCancelled),
      platformArg_(windowPlatform()),
      argc_(1),
      argv_{appName} {
    // Passed as an argument rather than through the environment, which
    // other threads may be reading.
    if (!std::getenv("QT_QPA_PLATFORM") || !*std::getenv("QT_QPA_PLATFORM")) {
        argv_[argc_++] = platformOption;
        argv_[argc_++] = platformArg_.data();
    }
    argv_[argc_] = nullptr;
    app_ = std::make_unique<QApplication>(argc_, argv_);
    // The dialogs close with the window, never the application.
    QApplication::setQuitOnLastWindowClosed(false);
    offscreen_ = QGuiApplication::platformName() == QLatin1String("offscreen");
}

CDisplayDriverWin32App::~CDisplayDriverWin32App() = default;

void CDisplayDriverWin32App::report(const QString &message, QWidget *owner) const {
    if (offscreen_) {
        std::fprintf(stderr, "%s: %s\n", appName, message.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), message, QMessageBox::Ok,
                    owner);
    // Nothing wakes this thread for a cancelled start, so the box looks
    // for one itself.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &box, [this, &box] {
        if (startCancelled()) box.done(QMessageBox::Cancel);
    });
    watch.start(kCancelPollMs);
    box.exec();
}

QIcon lumisimIcon() {
    initLumisimResources();
    QIcon icon;
    for (int size : {256, 128, 48, 32, 24, 16})
        icon.addFile(QStringLiteral(":/lumisim/icon_%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace lumisim
