#include "framework/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "framework/application.h"
#include "framework/fatal.h"
#include "framework/menu.h"
#include "framework/widgets.h"

namespace fw {

namespace {

std::vector<Window*>& registry() {
  static std::vector<Window*> windows;
  return windows;
}

std::vector<QPointer<Window>>& closedWindows() {
  static std::vector<QPointer<Window>> windows;
  return windows;
}

QFont fontOf(const ControlRow& row) {
  QFont font = QApplication::font();
  if (!row.font.empty() && row.font != "System") font.setFamily(QString::fromStdString(row.font));
  // The layouts measure type in pixels, as a 72 dpi screen does.
  if (row.fontSize > 0) font.setPixelSize(row.fontSize);
  font.setBold(row.bold);
  return font;
}

Qt::Alignment alignmentOf(const ControlRow& row, bool vertical) {
  Qt::Alignment a = row.align == Align::Center ? Qt::AlignHCenter
                    : row.align == Align::Right ? Qt::AlignRight
                                                : Qt::AlignLeft;
  if (vertical) a |= row.multiline ? Qt::AlignTop : Qt::AlignVCenter;
  return a;
}

QString qs(const std::string& s) {
  QString text = QString::fromStdString(s);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  return text;
}

void setColor(QWidget* w, QPalette::ColorRole role, const std::optional<Color>& color,
              std::initializer_list<QPalette::ColorGroup> groups) {
  if (!color) return;
  QPalette pal = w->palette();
  for (auto group : groups) pal.setColor(group, role, color->toQColor());
  w->setPalette(pal);
}

// A fixed text colour holds while the control is enabled: disabled text keeps the platform's
// disabled colour, or nobody could tell that it is disabled.
void setTextColor(QWidget* w, QPalette::ColorRole role, const std::optional<Color>& color) {
  setColor(w, role, color, {QPalette::Active, QPalette::Inactive});
}

void setBackColor(QWidget* w, const std::optional<Color>& color) {
  setColor(w, QPalette::Base, color, {QPalette::Active, QPalette::Inactive, QPalette::Disabled});
}

bool defaultFocus(Kind kind) {
  switch (kind) {
    case Kind::EditField:
    case Kind::CheckBox:
    case Kind::PushButton:
    case Kind::Slider:
      return true;
    default:
      return false;
  }
}

// The top-level widget: a close from the window manager goes through the window's Close.
class FrameWidget : public QWidget {
 public:
  FrameWidget(Window& window, bool closeBox) : window_(&window), closeBox_(closeBox) {}
  void release() { window_ = nullptr; }
  // The platform window, made now if it is not there yet (showing would make it).
  QWindow* platformWindow() {
    create();
    return windowHandle();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (window_ && closeBox_) window_->Close();
  }

 private:
  Window* window_;
  bool closeBox_;
};

}  // namespace

// ---------------------------------------------------------------- Control

Control::Control(Window& window, const ControlRow& row, QWidget* parent)
    : window_(window), name_(row.name), index_(row.index), kind_(row.kind) {
  if (row.picture) picture_ = row.picture();
  QFont font = fontOf(row);
  switch (kind_) {
    case Kind::Canvas: {
      auto* canvas = new CanvasWidget(parent, row.width, row.height);
      canvas->setBackdrop(picture_);
      widget_ = canvas;
      break;
    }
    case Kind::StaticText: {
      auto* label = new QLabel(qs(row.text), parent);
      label->setFont(font);
      label->setAlignment(alignmentOf(row, true));
      label->setWordWrap(row.multiline);
      setTextColor(label, QPalette::WindowText, row.textColor);
      widget_ = label;
      break;
    }
    case Kind::EditField: {
      if (row.multiline) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setPlainText(qs(row.text));
        edit->setReadOnly(row.readOnly);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        edit->setTabChangesFocus(true);
        edit->setFont(font);
        setTextColor(edit, QPalette::Text, row.textColor);
        setBackColor(edit, row.backColor);
        if (!row.hasBorder) edit->setFrameShape(QFrame::NoFrame);
        widget_ = edit;
      } else {
        auto* edit = new QLineEdit(qs(row.text), parent);
        edit->setMaxLength(std::numeric_limits<int>::max());  // a text of any length, not Qt's 32,767
        edit->setReadOnly(row.readOnly);
        edit->setFrame(row.hasBorder);
        edit->setAlignment(alignmentOf(row, false));
        edit->setFont(font);
        setTextColor(edit, QPalette::Text, row.textColor);
        setBackColor(edit, row.backColor);
        edit->setCursorPosition(0);
        widget_ = edit;
      }
      break;
    }
    case Kind::CheckBox: {
      auto* box = new QCheckBox(qs(row.text), parent);
      box->setFont(font);
      box->setChecked(row.value != 0);
      connect(box, &QCheckBox::clicked, this, [this] { fire("Action"); });
      widget_ = box;
      break;
    }
    case Kind::PushButton: {
      auto* button = new QPushButton(qs(row.text), parent);
      button->setFont(font);
      button->setAutoDefault(false);
      button->setDefault(row.isDefault);
      connect(button, &QPushButton::clicked, this, [this] { fire("Action"); });
      widget_ = button;
      break;
    }
    case Kind::Slider: {
      auto* slider = new QSlider(Qt::Horizontal, parent);
      slider->setRange(row.minimum, row.maximum);
      slider->setSingleStep(row.lineStep);
      slider->setPageStep(row.pageStep);
      slider->setTracking(row.liveScroll);
      slider->setValue(row.value);
      connect(slider, &QSlider::valueChanged, this, [this] { fire("ValueChanged"); });
      widget_ = slider;
      break;
    }
    case Kind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setRange(0, row.maximum);
      bar->setValue(row.value);
      bar->setTextVisible(false);
      widget_ = bar;
      break;
    }
    case Kind::ImageWell: {
      auto* well = new QLabel(parent);
      well->setAlignment(Qt::AlignCenter);
      widget_ = well;
      setImage(picture_);
      break;
    }
    case Kind::BevelButton: {
      auto* button = new QToolButton(parent);
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      button->setFont(font);
      connect(button, &QToolButton::clicked, this, [this] { fire("Action"); });
      widget_ = button;
      setImage(picture_);
      break;
    }
    case Kind::Rectangle:
    case Kind::RoundRectangle: {
      fill_ = row.fill.value_or(Color{255, 255, 255});
      QColor border = row.border.value_or(fill_).toQColor();
      widget_ = new RectWidget(parent, fill_.toQColor(), border,
                               kind_ == Kind::RoundRectangle ? 1 : row.borderWidth,
                               kind_ == Kind::RoundRectangle ? std::max(row.corner, 2) : 0);
      break;
    }
    case Kind::Line: {
      QPoint from(row.left, row.top), to(row.x2, row.y2);
      auto* line = new LineWidget(parent, from, to, row.textColor.value_or(Color{}).toQColor());
      QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
      line->setGeometry(box);
      widget_ = line;
      break;
    }
  }
  if (kind_ != Kind::Line) widget_->setGeometry(row.left, row.top, row.width, row.height);
  widget_->setFocusPolicy(row.focus.value_or(defaultFocus(kind_)) ? Qt::StrongFocus : Qt::NoFocus);
  if (!row.tooltip.empty()) widget_->setToolTip(qs(row.tooltip));
  widget_->setEnabled(row.enabled);
  widget_->setVisible(row.visible);
  widget_->installEventFilter(this);
}

Control::~Control() = default;

int Control::left() const { return widget_->x(); }
int Control::top() const { return widget_->y(); }
int Control::width() const { return widget_->width(); }
int Control::height() const { return widget_->height(); }
void Control::setLeft(int x) { widget_->move(x, widget_->y()); }
void Control::setTop(int y) { widget_->move(widget_->x(), y); }
void Control::setWidth(int w) { widget_->resize(w, widget_->height()); }
bool Control::visible() const { return !widget_->isHidden(); }
void Control::setVisible(bool on) { widget_->setVisible(on); }
bool Control::enabled() const { return widget_->isEnabled(); }
void Control::setEnabled(bool on) { widget_->setEnabled(on); }

void Control::refresh(bool erase) {
  if (kind_ == Kind::Canvas && erase) static_cast<CanvasWidget*>(widget_)->erase();
  widget_->update();
}

std::string Control::text() const {
  switch (kind_) {
    case Kind::StaticText: return static_cast<QLabel*>(widget_)->text().toStdString();
    case Kind::EditField:
      if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) return edit->toPlainText().toStdString();
      return static_cast<QLineEdit*>(widget_)->text().toStdString();
    case Kind::CheckBox:
    case Kind::PushButton: return static_cast<QAbstractButton*>(widget_)->text().toStdString();
    default: return {};
  }
}

void Control::setText(const std::string& text) {
  switch (kind_) {
    case Kind::StaticText: static_cast<QLabel*>(widget_)->setText(qs(text)); break;
    case Kind::EditField:
      if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_)) {
        edit->setPlainText(qs(text));
      } else {
        auto* line = static_cast<QLineEdit*>(widget_);
        line->setText(QString::fromStdString(text));
        line->setCursorPosition(0);
      }
      break;
    case Kind::CheckBox:
    case Kind::PushButton: static_cast<QAbstractButton*>(widget_)->setText(qs(text)); break;
    default: break;
  }
}

bool Control::underline() const { return widget_->font().underline(); }

void Control::setUnderline(bool on) {
  QFont font = widget_->font();
  font.setUnderline(on);
  widget_->setFont(font);
}

int Control::value() const {
  switch (kind_) {
    case Kind::CheckBox: return static_cast<QCheckBox*>(widget_)->isChecked() ? 1 : 0;
    case Kind::Slider: return static_cast<QSlider*>(widget_)->value();
    case Kind::ProgressBar: return static_cast<QProgressBar*>(widget_)->value();
    default: return 0;
  }
}

void Control::setValue(int value) {
  switch (kind_) {
    case Kind::CheckBox: static_cast<QCheckBox*>(widget_)->setChecked(value != 0); break;
    case Kind::Slider: static_cast<QSlider*>(widget_)->setValue(value); break;
    case Kind::ProgressBar: {
      // A bar past its maximum shows full (Qt would ignore the value instead).
      auto* bar = static_cast<QProgressBar*>(widget_);
      bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
      break;
    }
    default: break;
  }
}

int Control::maximum() const {
  if (kind_ == Kind::ProgressBar) return static_cast<QProgressBar*>(widget_)->maximum();
  if (kind_ == Kind::Slider) return static_cast<QSlider*>(widget_)->maximum();
  return 0;
}

void Control::setMaximum(int maximum) {
  if (kind_ == Kind::ProgressBar) static_cast<QProgressBar*>(widget_)->setMaximum(std::max(maximum, 0));
  if (kind_ == Kind::Slider) static_cast<QSlider*>(widget_)->setMaximum(maximum);
}

Color Control::fillColor() const { return fill_; }

void Control::setFillColor(Color color) {
  fill_ = color;
  if (kind_ == Kind::Rectangle || kind_ == Kind::RoundRectangle)
    static_cast<RectWidget*>(widget_)->setFill(color.toQColor());
}

PicturePtr Control::image() const { return picture_; }

void Control::setImage(const PicturePtr& picture) {
  picture_ = picture;
  QPixmap pixmap = picture ? QPixmap::fromImage(picture->image()) : QPixmap();
  switch (kind_) {
    case Kind::ImageWell: static_cast<QLabel*>(widget_)->setPixmap(pixmap); break;
    case Kind::BevelButton: {
      auto* button = static_cast<QToolButton*>(widget_);
      button->setIcon(QIcon(pixmap));
      if (picture) button->setIconSize(QSize(picture->Width(), picture->Height()));
      break;
    }
    case Kind::Canvas: static_cast<CanvasWidget*>(widget_)->setBackdrop(picture); break;
    default: break;
  }
}

Graphics& Control::graphics() {
  if (kind_ != Kind::Canvas) fatal("control " + name_ + " is not a canvas");
  return static_cast<CanvasWidget*>(widget_)->graphics();
}

const QImage& Control::canvasImage() const {
  if (kind_ != Kind::Canvas) fatal("control " + name_ + " is not a canvas");
  return static_cast<CanvasWidget*>(widget_)->image();
}

void Control::bind(const std::string& event, std::function<void(Control&)> handler) {
  handlers_[event] = std::move(handler);
}

void Control::fire(const std::string& event) {
  auto it = handlers_.find(event);
  if (it == handlers_.end()) return;
  auto handler = it->second;  // the handler may close the window; keep our own copy
  handler(*this);
}

bool Control::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      // Only the left button clicks; a double click is two clicks, as on the original desktop.
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      if (hasHandler("MouseDown")) {
        fire("MouseDown");
        return true;
      }
      return false;
    }
    case QEvent::Enter: fire("MouseEnter"); return false;
    case QEvent::Leave: fire("MouseExit"); return false;
    case QEvent::FocusOut: fire("LostFocus"); return false;
    default: return false;
  }
}

// ---------------------------------------------------------------- Window

Window::Window() = default;

Window::~Window() {
  registry().erase(std::remove(registry().begin(), registry().end(), this), registry().end());
  controls_.clear();
  if (frame_) {
    static_cast<FrameWidget*>(frame_.data())->release();
    delete frame_.data();
  }
}

std::vector<Window*> Window::liveWindows() { return registry(); }

void Window::handle(const std::string& handlerName, Handler handler) { handlers_[handlerName] = std::move(handler); }

void Window::build() {
  building_ = true;
  properties_ = properties();
  auto* frame = new FrameWidget(*this, properties_.closeBox);
  frame_ = frame;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (properties_.closeBox) flags |= Qt::WindowCloseButtonHint;
  if (properties_.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  if (properties_.maximizeBox) flags |= Qt::WindowMaximizeButtonHint;
  frame->setWindowFlags(flags);
  if (properties_.modal) frame->setWindowModality(Qt::ApplicationModal);
  frame->setWindowTitle(QString::fromStdString(properties_.title));

  auto* box = new QVBoxLayout(frame);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  if (properties_.menuBar) {
    if (MenuBar* bar = Application::current() ? Application::current()->menuBar() : nullptr) {
      box->setMenuBar(bar->createBarFor(frame));
    }
  }
  auto* content = new ContentWidget(frame);
  content_ = content;
  if (properties_.backdrop) backdrop_ = properties_.backdrop();
  content->setBack(properties_.backColor ? std::optional<QColor>(properties_.backColor->toQColor()) : std::nullopt, backdrop_);
  box->addWidget(content);
  if (properties_.resizable) {
    content->setMinimumSize(properties_.minWidth, properties_.minHeight);
    content->resize(properties_.width, properties_.height);
    frame->resize(properties_.width, properties_.height + (box->menuBar() ? box->menuBar()->sizeHint().height() : 0));
  } else {
    content->setFixedSize(properties_.width, properties_.height);
    box->setSizeConstraint(QLayout::SetFixedSize);
  }
  registry().push_back(this);

  // Controls in layout order, each bound to its handlers by name.
  QWidget* previousFocusable = nullptr;
  for (const ControlRow& row : layout()) {
    auto control = std::make_unique<Control>(*this, row, content);
    for (const std::string& event : row.events) {
      std::string handlerName = row.name + "_" + event;
      auto it = handlers_.find(handlerName);
      if (it == handlers_.end()) fatal("window " + properties_.title + " has no handler " + handlerName);
      control->bind(event, it->second);
    }
    if (row.isDefault) {
      // Return and Enter press the default button, as in a dialog.
      auto* button = static_cast<QPushButton*>(control->widget());
      for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), frame);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
          if (button->isEnabled() && button->isVisible()) button->click();
        });
      }
    }
    QWidget* w = control->widget();
    if (w->focusPolicy() != Qt::NoFocus) {
      if (previousFocusable) QWidget::setTabOrder(previousFocusable, w);
      previousFocusable = w;
    }
    controls_.push_back(std::move(control));
  }

  if (properties_.placement == Placement::MainScreen) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      box->activate();  // the frame takes its size from the content and the menu bar
      QRect place(QPoint(), frame->size());
      place.moveCenter(screen->availableGeometry().center());
      frame->move(place.topLeft());
    }
  }

  // Control Open events, then the window's.
  for (std::size_t i = 0; i < controls_.size() && !closed_; ++i) controls_[i]->fire("Open");
  if (!closed_) Event_Open();
  building_ = false;
  if (!closed_ && properties_.visible) Show();
}

void Window::Show() {
  if (closed_ || !frame_) return;
  // Watched before it is first shown, so that its first expose raises Paint too.
  QWindow* platform = static_cast<FrameWidget*>(frame_.data())->platformWindow();
  if (platform && platform != exposed_) {
    exposed_ = platform;
    platform->installEventFilter(this);
  }
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
}

void Window::Close() {
  if (closed_) return;
  closed_ = true;
  // Closing takes the focus away: an edit field still being typed in hears of it.
  if (frame_) {
    QWidget* focus = QApplication::focusWidget();
    for (auto& control : controls_) {
      if (control->widget() == focus) {
        control->fire("LostFocus");
        break;
      }
    }
  }
  Event_Close();
  forget();
  registry().erase(std::remove(registry().begin(), registry().end(), this), registry().end());
  if (frame_) frame_->hide();
  // Deleted once the running handler has returned: it may still touch this window.
  auto& pending = closedWindows();
  pending.erase(std::remove(pending.begin(), pending.end(), nullptr), pending.end());
  pending.push_back(this);
  deleteLater();
  if (Application* app = Application::current()) app->windowClosed();
}

QEvent::Type Window::paintEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  // Only the window system's requests count: a widget's own repaint never exposes its top-level window.
  if (event->type() == QEvent::Expose && watched == exposed_ && exposed_->isExposed() && !paintPending_) {
    paintPending_ = true;
    QCoreApplication::postEvent(this, new QEvent(paintEventType()));
  }
  return false;
}

bool Window::event(QEvent* event) {
  if (event->type() != paintEventType()) return QObject::event(event);
  paintPending_ = false;
  // A window closed meanwhile is gone for the game: its handler would build a new one.
  if (!closed_) Event_Paint();
  return true;
}

std::string Window::title() const { return frame_ ? frame_->windowTitle().toStdString() : std::string(); }

void Window::setTitle(const std::string& title) {
  if (frame_) frame_->setWindowTitle(QString::fromStdString(title));
}

void Window::setBackdrop(const PicturePtr& picture) {
  backdrop_ = picture;
  static_cast<ContentWidget*>(content_)->setBack(
      properties_.backColor ? std::optional<QColor>(properties_.backColor->toQColor()) : std::nullopt, backdrop_);
}

Control* Window::findControl(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->name() == name && control->index() == index) return control.get();
  }
  return nullptr;
}

Control& Window::control(std::string_view name, int index) {
  Control* control = findControl(name, index);
  if (!control) {
    fatal("window " + properties_.title + " has no control " + std::string(name) +
          (index >= 0 ? "(" + std::to_string(index) + ")" : std::string()));
  }
  return *control;
}

void discardClosedWindows() {
  auto windows = std::move(closedWindows());
  closedWindows().clear();
  for (auto& window : windows) delete window.data();
}

}  // namespace fw
