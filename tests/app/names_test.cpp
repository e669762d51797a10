// The name fields of the table window: a typed name reaches the engine however the field is left.
#include <QTest>
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "shell/app.h"
#include "start/finstart.h"
#include "table/window1.h"
#include "tests/app/apprun.h"
#include "tests/support/gui.h"

namespace {

class NameFields : public ::testing::Test {
 protected:
  void SetUp() override { folder = gui::useTemporaryFileFolder(); }
  void TearDown() override { apprun::closeAllWindows(); }
  std::string folder;
};

// Opens a table window with a hand dealt and types into one of its fields, which keeps the focus.
window1& typeName(const std::string& field, const std::string& name) {
  gui::click(finstart::instance().control("pushbstart", 0));
  gui::settle();
  window1& table = window1::instance();
  apprun::activate(table);
  fw::Control& edit = table.control(field);
  edit.setText("");
  gui::type(edit, name);
  return table;
}

TEST_F(NameFields, TheFieldsShowTheStoredNames) {
  apprun::writePreferences(folder, {{4, "Anna"}, {5, ""}});
  apprun::run([](App&) {
    window1& table = window1::instance();
    EXPECT_EQ(table.control("EditField1").text(), "Anna");
    EXPECT_EQ(table.control("EditField2").text(), "");
  });
}

TEST_F(NameFields, ANameReachesTheEngineHoweverTheFieldIsLeft) {
  struct Case {
    const char* field;
    std::string* global;
    const char* how;
    std::string name;
  };
  const Case cases[] = {
      {"EditField1", &Globali::nomepla, "tab", "Zoe Rossi"},   {"EditField2", &Globali::nomemac, "tab", "Zoe Rossi"},
      {"EditField1", &Globali::nomepla, "close", "Zoe Rossi"}, {"EditField2", &Globali::nomemac, "close", "Zoe Rossi"},
      {"EditField1", &Globali::nomepla, "quit", "Zoe Rossi"},  {"EditField2", &Globali::nomemac, "quit", "Zoe Rossi"},
      {"EditField1", &Globali::nomepla, "close", ""},  // an emptied name stays empty
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " left by " + c.how + " holding \"" + c.name + "\"");
    const std::string how = c.how;
    folder = gui::useTemporaryFileFolder();
    apprun::run([&](App& app) {
      window1& table = typeName(c.field, c.name);
      EXPECT_NE(*c.global, c.name) << "not yet: the field still has the focus";
      if (how == "tab") {
        QTest::keyClick(table.control(c.field).widget(), Qt::Key_Tab);
        EXPECT_EQ(*c.global, c.name);
      } else if (how == "close") {
        table.Close();  // as the last press of a hand does
        EXPECT_EQ(*c.global, c.name);
      } else {
        app.menu().item("FileQuit").action()->trigger();
      }
    });
    auto prefs = apprun::readLines(folder + "/brivanoprfs.txt");
    ASSERT_EQ(prefs.size(), 14u);
    EXPECT_EQ(prefs[c.global == &Globali::nomepla ? 3 : 4], c.name);
  }
}

}  // namespace
