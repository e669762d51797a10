#include "framework/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include "framework/window.h"

namespace fw {

namespace {
Application* currentApp = nullptr;
}

struct Runtime::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
};

Runtime::Runtime(int& argc, char** argv, const std::string& applicationName)
    : impl_(std::make_unique<Impl>(argc, argv)) {
  QApplication::setApplicationName(QString::fromStdString(applicationName));
  // Lets the desktop match the windows with the installed entry and its icon.
  QGuiApplication::setDesktopFileName(QString::fromStdString(applicationName));
}

Runtime::~Runtime() = default;

Application::Application() : queued_(std::make_unique<QObject>()) {
  currentApp = this;
  // The game closes one window just before it opens the next; it decides itself when none is left.
  QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() {
  if (currentApp == this) currentApp = nullptr;
}

Application* Application::current() { return currentApp; }

void Application::addMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

void Application::menuChosen(const std::string& itemName) {
  auto it = menuHandlers_.find(itemName);
  if (it != menuHandlers_.end()) {
    auto handler = it->second;
    handler();
  }
}

int Application::run() {
  running_ = true;
  QTimer::singleShot(0, queued_.get(), [this] { Event_Open(); });
  int code = QApplication::exec();
  running_ = false;
  discardClosedWindows();
  return code;
}

void Application::windowClosed() {
  if (!running_ || quitting_ || checkPending_) return;
  // Decided once the running handler has returned: it may be about to open the next window.
  checkPending_ = true;
  QTimer::singleShot(0, queued_.get(), [this] { checkForNoWindow(); });
}

void Application::checkForNoWindow() {
  checkPending_ = false;
  if (quitting_) return;
  for (Window* window : Window::liveWindows()) {
    if (window->frame() && window->frame()->isVisible()) return;
  }
  // With a menu bar of its own the program could wait here for New game. On Linux every menu bar
  // belongs to a window: a program with no window left could not be reached, only killed. So the
  // last close box ends it as Quit does, saving what Quit saves.
  quit(0);
}

void Application::quit(int code) {
  if (quitting_) return;
  quitting_ = true;
  // Newest first, as a person would close them; each runs its Close event.
  auto windows = Window::liveWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->Close();
  Event_Close();
  if (running_) QApplication::exit(code);
}

void Quit(int code) {
  if (Application* app = Application::current()) app->quit(code);
}

void setInterfaceLanguage(const std::string& language) {
  static QPointer<QTranslator> installed;
  static std::string current = "en";
  // The menu's texts are set at every flag click: the translation is read again only for a new language.
  if (language == current && (installed || language == "en")) return;
  current = language;
  delete installed.data();  // a translator leaves the application as it is deleted
  if (language == "en" || !QCoreApplication::instance()) return;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(QString::fromStdString(language)), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
    installed = translator;
  } else {
    delete translator;
  }
}

}  // namespace fw
