// The table window as it is built: a sample of its controls, its first states, labels, focus and clicks.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <tuple>

#include "tests/table/table_support.h"

namespace {

class TableWindow : public tabletest::TableTest {};

TEST_F(TableWindow, IsAFixedWindowWithItsControlsInPlaceAndStackingOrder) {
  window1& w = window1::instance();
  EXPECT_EQ(w.title(), "Brivano");
  EXPECT_TRUE(w.frame()->isVisible());  // its wooden backdrop shows in the screenshot test
  EXPECT_EQ(w.content()->size(), QSize(780, 555));
  EXPECT_EQ(w.content()->minimumSize(), w.content()->maximumSize()) << "not resizable";
  EXPECT_FALSE(w.frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w.controls().size(), 112u);
  const struct { const char* name; int index, left, top, width, height; } places[] = {
      {"canvtav", 1, 230, 195, 100, 165},   {"canvtav", 40, 425, 195, 100, 165},  {"canvscope", 2, 574, 380, 201, 165},
      {"canvgio", 3, 230, 380, 100, 165},   {"canvmazzo", 1, 631, 190, 139, 185}, {"EditField1", -1, 335, 427, 90, 20},
      {"selezrect", 2, 121, 546, 98, 8},    {"seleztav", 40, 422, 361, 98, 8},    {"prendibott", -1, 339, 482, 82, 58}};
  for (const auto& p : places) {
    const fw::Control& c = w.control(p.name, p.index);
    EXPECT_EQ(std::tuple(c.left(), c.top(), c.width(), c.height()), std::tuple(p.left, p.top, p.width, p.height))
        << p.name << "(" << p.index << ")";
  }
  EXPECT_EQ(w.findControl("canvscope", 1), nullptr) << "the deck has no scopa row";
  EXPECT_EQ(w.findControl("canvtav", 41), nullptr);
  EXPECT_EQ(w.findControl("canvgio", 0), nullptr);
  // What overlaps shows the later control: the remark over its bubble, the button over its frame.
  w.control("rectobutt").setVisible(true);
  EXPECT_EQ(w.content()->childAt(QPoint(380, 140)), w.control("Pensotesto").widget());
  EXPECT_EQ(w.content()->childAt(QPoint(380, 510)), w.control("prendibott").widget());
  EXPECT_EQ(w.content()->childAt(QPoint(336, 510)), w.control("rectobutt").widget());
}

TEST_F(TableWindow, StartsWithTheButtonOffAndTheMarksHidden) {
  window1& w = window1::instance();
  for (const auto& c : w.controls()) EXPECT_EQ(c->enabled(), c->name() != "prendibott") << c->name();
  EXPECT_TRUE(w.control("prendibott").visible());
  EXPECT_FALSE(w.control("rectobutt").visible());
  EXPECT_EQ(w.control("rectobutt").left(), 335) << "moved round the button when the window opens";
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
  EXPECT_EQ(w.control("helptesto").text() + w.control("Pensotesto").text(), "");
  EXPECT_EQ(w.control("EditField1").text() + "/" + w.control("EditField2").text(), "Player/Computer");
  // The computer's remarks run over several lines in red; the names can be edited.
  auto* remark = qobject_cast<QLabel*>(w.control("Pensotesto").widget());
  ASSERT_TRUE(remark && remark->wordWrap());
  EXPECT_EQ(remark->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  for (const char* name : {"EditField1", "EditField2"}) {
    auto* field = qobject_cast<QLineEdit*>(w.control(name).widget());
    EXPECT_TRUE(field && !field->isReadOnly()) << name;
  }
}

TEST_F(TableWindow, LabelsSayPuntiOnlyInItalian) {
  for (int lingua : {0, 1, 2, 3}) {
    SCOPED_TRACE(lingua);
    Globali::lingua = lingua;
    window1& w = window1::instance();
    const char* label = lingua == 2 ? "Punti" : "Points";
    EXPECT_EQ(w.control("StaticText1").text(), label);
    EXPECT_EQ(w.control("StaticText2").text(), label);
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

// Records which widget hears a mouse press, whatever its handler does.
class PressProbe : public QObject {
 public:
  QWidget* pressed = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) pressed = qobject_cast<QWidget*>(watched);
    return false;
  }
};

// Ten cards overlap: the left card lies on top, and each card shows and takes clicks on its visible strip.
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
  }
}

}  // namespace
