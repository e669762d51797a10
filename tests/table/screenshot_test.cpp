// A picture of the table in the middle of a hand, for a person to look at: table.png in the working folder.
#include <QDir>
#include <QImage>
#include <iostream>

#include "shell/resources.h"
#include "tests/table/table_support.h"

namespace {

class Screenshot : public tabletest::TableTest {};

TEST_F(Screenshot, ADealtHandLooksLikeACardTable) {
  ASSERT_TRUE(aaa() && standardFace(1) && legno()) << "the artwork is missing";
  using namespace Globali;
  immagine(0) = aaa();
  for (int card = 1; card <= 40; ++card) immagine(card) = standardFace(card);
  immagine(41) = pla();
  immagine(42) = mac();

  // Five cards on the table, both hands full, sixteen cards drawn so far.
  tavacartequante = 5;
  const int table[] = {3, 17, 25, 38, 10}, mine[] = {7, 22, 31}, theirs[] = {14, 29, 36};
  for (int i = 1; i <= 5; ++i) tavcarta(i) = table[i - 1];
  for (int slot = 1; slot <= 3; ++slot) {
    placarta(slot) = mine[slot - 1];
    maccarta(slot) = theirs[slot - 1];
  }
  for (int card : {3, 17, 25, 38, 10, 7, 22, 31, 14, 29, 36}) uscita(card) = statocarta::ingioco;
  for (int card : {1, 11, 21, 5}) uscita(card) = statocarta::presapla;
  uscita(8) = statocarta::scopapla;
  for (int card : {12, 13, 33, 34, 35, 2}) uscita(card) = statocarta::presamac;
  contatore(indicemucchio::mazzo) = 16;

  window1& w = window1::instance();
  for (int i = 1; i <= 40; ++i) w.control("seleztav", i).setVisible(false);  // as a deal leaves them
  w.control("puntiplatext").setText("3");
  w.control("puntimactext").setText("2");
  w.control("Rectangle1").setTop(380);
  spalmacarte();
  mazzodisegna(indicemucchio::mazzo);
  aggiornagiocatori(indicemucchio::mucchiomac);
  aggiornagiocatori(indicemucchio::mucchiopla);
  ridisegna();
  w.control("Pensotesto").setText("...");
  gui::settle();

  QString path = QDir::current().absoluteFilePath("table.png");
  ASSERT_TRUE(w.frame()->grab().toImage().save(path, "PNG"));
  std::cout << "table screenshot: " << path.toStdString() << std::endl;

  // Cards cover the wood where they lie; the wood shows between the rows.
  QImage content = w.content()->grab().toImage();
  ASSERT_EQ(content.size(), QSize(780, 555));
  EXPECT_EQ(content.pixelColor(196, 275), standardFace(3)->image().pixelColor(50, 80)) << "first table card";
  EXPECT_EQ(content.pixelColor(60, 460), standardFace(7)->image().pixelColor(50, 80)) << "player's first card";
  EXPECT_EQ(content.pixelColor(60, 90), aaa()->image().pixelColor(50, 80)) << "computer's cards face down";
  EXPECT_EQ(content.pixelColor(5, 190), legno()->image().pixelColor(5, 190));
}

}  // namespace
