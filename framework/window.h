// Windows declared by a layout table, their controls, and single live instances.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/color.h"
#include "framework/picture.h"

namespace fw {

enum class Kind {
  Canvas, StaticText, EditField, CheckBox, PushButton, Slider, ProgressBar,
  ImageWell, BevelButton, Rectangle, RoundRectangle, Line
};
enum class Align { Left, Center, Right };

using PictureSource = PicturePtr (*)();  // a resource accessor, called when the control is made

// One row of a window's layout: one control. Fields are in the order that
// designated initializers must follow.
struct ControlRow {
  std::string name{};
  int index = -1;  // member index of a control array; -1 for a single control
  Kind kind = Kind::Canvas;
  int left = 0, top = 0, width = 0, height = 0;
  // Look.
  std::string font{};  // "arial", "Arial", "System"; empty for the platform's
  int fontSize = 0;  // pixels
  bool bold = false;
  std::optional<Color> textColor{}, backColor{}, fill{}, border{};
  int borderWidth = 0;  // rectangles
  Align align = Align::Left;
  bool multiline = false, readOnly = false, hasBorder = false;
  int corner = 0;          // rounded rectangle: corner oval size
  int x2 = 0, y2 = 0;      // line: end point (left, top is the start)
  PictureSource picture = nullptr;  // canvas backdrop, image well image, bevel button icon
  std::string tooltip{};
  // Initial state.
  std::string text{};  // static text, edit field, caption of a check box or push button
  bool visible = true, enabled = true;
  int value = 0;     // check box 0/1, slider, progress bar
  int minimum = 0, maximum = 100, lineStep = 1, pageStep = 20;
  bool liveScroll = true;
  bool isDefault = false;      // the window's default button (Return presses it)
  std::optional<bool> focus{};  // takes the keyboard focus; each kind has its default
  // Events bound by name to the handler "<name>_<event>":
  // MouseDown, MouseEnter, MouseExit, Action, Open, LostFocus, ValueChanged.
  std::vector<std::string> events{};
};

// Appends the rows of control-array members first..last, each made by make(i).
template <class Make>
void addMembers(std::vector<ControlRow>& rows, int first, int last, Make make) {
  for (int i = first; i <= last; ++i) rows.push_back(make(i));
}

class Window;
class Graphics;

class Control : public QObject {
  Q_OBJECT
 public:
  Control(Window& window, const ControlRow& row, QWidget* parent);
  ~Control() override;

  const std::string& name() const { return name_; }
  int index() const { return index_; }
  Kind kind() const { return kind_; }
  Window& window() const { return window_; }

  int left() const;
  int top() const;
  int width() const;
  int height() const;
  void setLeft(int x);
  void setTop(int y);
  void setWidth(int w);
  bool visible() const;
  void setVisible(bool on);
  bool enabled() const;
  void setEnabled(bool on);
  // Repaints; on a canvas, erase clears what was drawn.
  void refresh(bool erase = true);

  std::string text() const;  // static text, edit field, caption
  void setText(const std::string& text);
  bool underline() const;
  void setUnderline(bool on);
  int value() const;  // check box 0/1, slider, progress bar
  void setValue(int value);
  int maximum() const;
  void setMaximum(int maximum);
  Color fillColor() const;
  void setFillColor(Color color);
  PicturePtr image() const;  // image well image, bevel button icon, canvas backdrop
  void setImage(const PicturePtr& picture);

  // Canvas only: draws into the canvas's own picture, which it keeps until erased.
  Graphics& graphics();
  const QImage& canvasImage() const;

  QWidget* widget() const { return widget_; }

  // For the framework: runs the handler bound to the event, if any.
  void fire(const std::string& event);
  void bind(const std::string& event, std::function<void(Control&)> handler);
  bool hasHandler(const std::string& event) const { return handlers_.count(event) > 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Window& window_;
  std::string name_;
  int index_;
  Kind kind_;
  QWidget* widget_ = nullptr;
  PicturePtr picture_;
  Color fill_;
  std::map<std::string, std::function<void(Control&)>> handlers_;
};

// Where a window first opens: where the desktop puts it, or centred on the main screen.
enum class Placement { Default, MainScreen };

struct WindowProperties {
  std::string title{};
  int width = 0, height = 0;
  bool modal = false;      // the framework's "movable modal" frame
  bool resizable = false;
  int minWidth = 64, minHeight = 64;
  bool closeBox = true, minimizeBox = true, maximizeBox = false;
  bool menuBar = true;
  bool visible = true;     // shown as soon as it is built
  Placement placement = Placement::Default;
  std::optional<Color> backColor{};
  PictureSource backdrop = nullptr;
};

using Handler = std::function<void(Control&)>;

class Window : public QObject {
  Q_OBJECT
 public:
  ~Window() override;

  void Show();
  // Runs the Close event at once and discards the window; the next reference builds a new one.
  void Close();
  bool closed() const { return closed_; }

  std::string title() const;
  void setTitle(const std::string& title);
  void setBackdrop(const PicturePtr& picture);

  Control& control(std::string_view name, int index = -1);  // fatal when there is none
  Control* findControl(std::string_view name, int index = -1) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  QWidget* frame() const { return frame_; }      // the top-level widget
  QWidget* content() const { return content_; }  // the area below the menu bar

  // Every live window, oldest first.
  static std::vector<Window*> liveWindows();

  // The Qt event that brings a window its Paint event: posted once however many times the window
  // system asked for the window in one turn of the event loop.
  static QEvent::Type paintEventType();

 protected:
  Window();
  virtual WindowProperties properties() const = 0;
  virtual std::vector<ControlRow> layout() const = 0;
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  // The window system wants the window again: shown, uncovered or restored. Never raised by drawing
  // into a canvas or by a control's own repaint, so a handler may draw.
  virtual void Event_Paint() {}

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  void handle(const std::string& handlerName, Handler handler);
  template <class W>
  void handle(const std::string& handlerName, void (W::*method)()) {
    handle(handlerName, [this, method](Control&) { (static_cast<W*>(this)->*method)(); });
  }
  template <class W>
  void handle(const std::string& handlerName, void (W::*method)(int)) {
    handle(handlerName, [this, method](Control& c) { (static_cast<W*>(this)->*method)(c.index()); });
  }

  // Builds the window from properties() and layout(), runs the Open events and shows it.
  void build();
  // Drops the static reference to this instance.
  virtual void forget() = 0;

 private:
  QPointer<QWidget> frame_;
  QWidget* content_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Handler> handlers_;
  WindowProperties properties_;
  PicturePtr backdrop_;
  QPointer<QWindow> exposed_;  // the platform window whose exposes raise Paint
  bool closed_ = false;
  bool building_ = false;
  bool paintPending_ = false;
};

// The single implicit instance of window class W.
template <class W>
class WindowOf : public Window {
 public:
  // The live instance, built (and shown, when visible) on first reference.
  static W& instance() {
    if (!live_) {
      live_ = new W();
      live_->build();
    }
    return *live_;
  }
  // The live instance, or nullptr; never builds.
  static W* live() { return live_; }

 protected:
  void forget() override {
    if (live_ == this) live_ = nullptr;
  }

 private:
  static inline W* live_ = nullptr;
};

// Deletes windows that were closed; the event loop does it on its own.
void discardClosedWindows();

}  // namespace fw
