// The table window as it is built: its controls, their first states and the language of its labels.
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "shell/resources.h"
#include "table/window1.h"
#include "tests/table/table_support.h"

namespace {

using tabletest::TableTest;

struct Place {
  const char* name;
  int index;
  fw::Kind kind;
  int left, top, width, height;
};

// A sample from every part of the window; the arrays at both ends.
const Place places[] = {
    {"Rectangle1", -1, fw::Kind::Rectangle, 337, 10, 16, 40},
    {"helptesto", -1, fw::Kind::StaticText, 110, 177, 310, 16},
    {"canvtav", 1, fw::Kind::Canvas, 230, 195, 100, 165},
    {"canvtav", 40, fw::Kind::Canvas, 425, 195, 100, 165},
    {"RoundRectangle1", -1, fw::Kind::RoundRectangle, 335, 108, 90, 66},
    {"Pensotesto", -1, fw::Kind::StaticText, 337, 110, 86, 62},
    {"canvscope", 0, fw::Kind::Canvas, 574, 10, 201, 165},
    {"canvscope", 2, fw::Kind::Canvas, 574, 380, 201, 165},
    {"canvgio", 1, fw::Kind::Canvas, 10, 380, 100, 165},
    {"canvgio", 3, fw::Kind::Canvas, 230, 380, 100, 165},
    {"canvmac", 1, fw::Kind::Canvas, 10, 10, 100, 165},
    {"canvmac", 3, fw::Kind::Canvas, 230, 10, 100, 165},
    {"canvmazzo", 0, fw::Kind::Canvas, 430, 5, 139, 185},
    {"canvmazzo", 1, fw::Kind::Canvas, 631, 190, 139, 185},
    {"canvmazzo", 2, fw::Kind::Canvas, 430, 375, 139, 185},
    {"ImageWell1", -1, fw::Kind::ImageWell, 359, 380, 42, 42},
    {"ImageWell2", -1, fw::Kind::ImageWell, 359, 10, 42, 42},
    {"EditField1", -1, fw::Kind::EditField, 335, 427, 90, 20},
    {"EditField2", -1, fw::Kind::EditField, 335, 57, 90, 20},
    {"canvgiomactir", -1, fw::Kind::Canvas, 10, 195, 100, 165},
    {"Canvas1", -1, fw::Kind::Canvas, 52, 180, 16, 8},
    {"Canvas2", -1, fw::Kind::Canvas, 52, 368, 16, 8},
    {"Canvas3", -1, fw::Kind::Canvas, 120, 269, 16, 16},
    {"selezrect", 2, fw::Kind::Rectangle, 121, 546, 98, 8},
    {"seleztav", 1, fw::Kind::Rectangle, 231, 361, 98, 8},
    {"seleztav", 39, fw::Kind::Rectangle, 421, 361, 98, 8},
    {"seleztav", 40, fw::Kind::Rectangle, 422, 361, 98, 8},
    {"puntimactext", -1, fw::Kind::StaticText, 385, 82, 40, 20},
    {"puntiplatext", -1, fw::Kind::StaticText, 385, 452, 40, 20},
    {"StaticText1", -1, fw::Kind::StaticText, 335, 82, 40, 20},
    {"StaticText2", -1, fw::Kind::StaticText, 335, 452, 40, 20},
    {"prendibott", -1, fw::Kind::BevelButton, 339, 482, 82, 58},
};

class TableWindow : public TableTest {};

TEST_F(TableWindow, HasEveryControlAtItsPlace) {
  window1& w = window1::instance();
  EXPECT_EQ(w.controls().size(), 112u);
  for (const Place& p : places) {
    SCOPED_TRACE(std::string(p.name) + "(" + std::to_string(p.index) + ")");
    fw::Control* c = w.findControl(p.name, p.index);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind(), p.kind);
    // rectobutt is the one control the window moves when it opens; it is not in this table.
    EXPECT_EQ(c->left(), p.left);
    EXPECT_EQ(c->top(), p.top);
    EXPECT_EQ(c->width(), p.width);
    EXPECT_EQ(c->height(), p.height);
  }
  EXPECT_EQ(w.findControl("canvscope", 1), nullptr) << "the deck has no scopa row";
  EXPECT_EQ(w.findControl("canvtav", 41), nullptr);
  EXPECT_EQ(w.findControl("canvgio", 0), nullptr);
}

TEST_F(TableWindow, ControlsAreMadeInTheirStackingOrder) {
  window1& w = window1::instance();
  // Consecutive members of one array collapse into one entry.
  std::vector<std::string> order;
  for (const auto& c : w.controls()) {
    std::string entry = c->name();
    if (c->name() == "canvmac" || c->name() == "canvmazzo") entry += std::to_string(c->index());
    if (order.empty() || order.back() != entry) order.push_back(entry);
  }
  std::vector<std::string> expected = {
      "Rectangle1", "helptesto",    "canvtav",       "RoundRectangle1", "Pensotesto",   "canvscope",
      "canvgio",    "canvmac1",     "canvmazzo2",    "canvmac2",        "canvmac3",     "canvmazzo1",
      "canvmazzo0", "ImageWell1",   "ImageWell2",    "EditField1",      "EditField2",   "canvgiomactir",
      "Canvas1",    "Canvas2",      "rectobutt",     "selezrect",       "seleztav",     "Canvas3",
      "puntimactext", "puntiplatext", "StaticText1", "StaticText2",     "prendibott"};
  EXPECT_EQ(order, expected);

  // What overlaps shows the later control: the remark over its bubble, the button over its frame.
  w.control("rectobutt").setVisible(true);
  EXPECT_EQ(w.content()->childAt(QPoint(380, 140)), w.control("Pensotesto").widget());
  EXPECT_EQ(w.content()->childAt(QPoint(380, 510)), w.control("prendibott").widget());
  EXPECT_EQ(w.content()->childAt(QPoint(336, 510)), w.control("rectobutt").widget());
}

TEST_F(TableWindow, IsAFixedWoodenWindowWithItsMenu) {
  window1& w = window1::instance();
  EXPECT_EQ(w.title(), "Brivano");
  EXPECT_EQ(w.content()->size(), QSize(780, 555));
  EXPECT_EQ(w.content()->minimumSize(), w.content()->maximumSize()) << "not resizable";
  Qt::WindowFlags flags = w.frame()->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(w.frame()->isModal());
  EXPECT_TRUE(w.frame()->isVisible());
  if (!legno()) GTEST_SKIP() << "the wood picture is not in the artwork yet";
  // The backdrop shows where no control lies.
  QImage shot = w.content()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 190), legno()->image().pixelColor(5, 190));
}

TEST_F(TableWindow, StartsWithTheButtonOffAndTheMarksHidden) {
  window1& w = window1::instance();
  EXPECT_FALSE(w.control("prendibott").enabled());
  EXPECT_TRUE(w.control("prendibott").visible());
  EXPECT_FALSE(w.control("rectobutt").visible());
  EXPECT_EQ(w.control("rectobutt").left(), 335) << "moved round the button when the window opens";
  EXPECT_EQ(w.control("rectobutt").width(), 90);
  for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) EXPECT_FALSE(w.control(arrow).visible()) << arrow;
  for (int k = 1; k <= 3; ++k) EXPECT_FALSE(w.control("selezrect", k).visible()) << k;
  for (int i = 1; i <= 40; ++i) {
    fw::Control& bar = w.control("seleztav", i);
    EXPECT_TRUE(bar.visible()) << i;
    EXPECT_EQ(bar.left(), i == 40 ? 422 : 231 + 5 * (i - 1)) << i;
    EXPECT_EQ(bar.fillColor(), fw::RGB(0, 255, 255)) << i;
  }
  EXPECT_EQ(w.control("puntimactext").text(), "0");
  EXPECT_EQ(w.control("puntiplatext").text(), "0");
  EXPECT_EQ(w.control("helptesto").text(), "");
  EXPECT_EQ(w.control("Pensotesto").text(), "");
  EXPECT_TRUE(w.control("Pensotesto").visible());
  EXPECT_EQ(w.control("EditField1").text(), "Player");
  EXPECT_EQ(w.control("EditField2").text(), "Computer");
  EXPECT_EQ(w.control("Rectangle1").fillColor(), fw::hex(0x66ff66));
  EXPECT_EQ(w.control("RoundRectangle1").fillColor(), fw::hex(0xf1f1d9));
  for (const auto& c : w.controls()) EXPECT_EQ(c->enabled(), c->name() != "prendibott") << c->name();
}

TEST_F(TableWindow, TextsHaveTheirTypeAndColours) {
  window1& w = window1::instance();
  struct Look {
    const char* name;
    int pixels;
    bool bold;
    QColor color;
    Qt::Alignment align;
  };
  const Look looks[] = {
      {"helptesto", 12, true, QColor(255, 255, 255), Qt::AlignLeft},
      {"Pensotesto", 18, true, QColor(255, 0, 0), Qt::AlignHCenter},
      {"puntimactext", 18, true, QColor(255, 255, 255), Qt::AlignLeft},
      {"puntiplatext", 18, true, QColor(255, 255, 255), Qt::AlignLeft},
      {"StaticText1", 12, false, QColor(255, 255, 255), Qt::AlignRight},
      {"StaticText2", 12, false, QColor(255, 255, 255), Qt::AlignRight},
  };
  for (const Look& look : looks) {
    SCOPED_TRACE(look.name);
    auto* label = qobject_cast<QLabel*>(w.control(look.name).widget());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().pixelSize(), look.pixels);
    EXPECT_EQ(label->font().bold(), look.bold);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), look.color);
    EXPECT_TRUE(label->alignment() & look.align);
  }
  EXPECT_TRUE(qobject_cast<QLabel*>(w.control("Pensotesto").widget())->wordWrap()) << "several lines";
  for (const char* name : {"EditField1", "EditField2"}) {
    SCOPED_TRACE(name);
    auto* edit = qobject_cast<QLineEdit*>(w.control(name).widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->font().pixelSize(), 12);
    EXPECT_TRUE(edit->font().bold());
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0x80, 0, 0));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0xe5, 0xe5, 0xb7));
    EXPECT_TRUE(edit->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(edit->hasFrame());
    EXPECT_FALSE(edit->isReadOnly());
  }
}

TEST_F(TableWindow, LabelsSayPuntiOnlyInItalian) {
  const struct {
    int lingua;
    const char* label;
  } cases[] = {{0, "Points"}, {1, "Points"}, {2, "Punti"}, {3, "Points"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lingua);
    Globali::lingua = c.lingua;
    window1& w = window1::instance();
    EXPECT_EQ(w.control("StaticText1").text(), c.label);
    EXPECT_EQ(w.control("StaticText2").text(), c.label);
    w.Close();
    gui::settle();
  }
}

TEST_F(TableWindow, OnlyTheNameFieldsTakeTheFocusInTurn) {
  window1& w = window1::instance();
  for (const auto& c : w.controls()) {
    bool field = c->name() == "EditField1" || c->name() == "EditField2";
    EXPECT_EQ(c->widget()->focusPolicy() != Qt::NoFocus, field) << c->name() << "(" << c->index() << ")";
  }
  w.frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.frame()));
  w.control("EditField1").widget()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w.control("EditField1").widget(), Qt::Key_Tab);
  EXPECT_TRUE(w.control("EditField2").widget()->hasFocus());
}

// Records which widgets hear a mouse press, whatever their handlers do.
class PressProbe : public QObject {
 public:
  QWidget* pressed = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) pressed = qobject_cast<QWidget*>(watched);
    return false;
  }
};

TEST_F(TableWindow, OverlappingTableCardsTakeClicksWhereTheyAreSeen) {
  tabletest::useTestDeck();
  Globali::tavacartequante = 10;
  for (int i = 1; i <= 10; ++i) Globali::tavcarta(i) = 10 + i;
  Globali::spalmacarte();
  window1& w = window1::instance();
  PressProbe probe;
  for (int i = 1; i <= 10; ++i) w.control("canvtav", i).widget()->installEventFilter(&probe);
  QImage shot = w.content()->grab().toImage();
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    fw::Control& card = w.control("canvtav", i);
    // The left neighbour covers this card up to its own right edge; the rest of the card shows.
    int shownFrom = i == 1 ? card.left() : w.control("canvtav", i - 1).left() + 100;
    QPoint middle((shownFrom + card.left() + 100) / 2, 270);
    EXPECT_EQ(shot.pixelColor(middle), tabletest::cardColor(10 + i)) << "the card seen there";
    probe.pressed = nullptr;
    ASSERT_TRUE(gui::clickAt(w, middle));
    EXPECT_EQ(probe.pressed, card.widget());
    probe.pressed = nullptr;
    gui::click(card);
    EXPECT_EQ(probe.pressed, card.widget());
  }
}

}  // namespace
