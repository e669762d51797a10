#include "shell/resources.h"

#include "framework/fatal.h"

namespace {

fw::PicturePtr cached(fw::PicturePtr& slot, int number) {
  if (!slot) slot = fw::GetPicture(number);
  return slot;
}

}  // namespace

#define BRIVANO_PICTURE(name, number)   \
  fw::PicturePtr name() {              \
    static fw::PicturePtr name##_permapic; \
    return cached(name##_permapic, number); \
  }

BRIVANO_PICTURE(aaa, 168)
BRIVANO_PICTURE(b01, 169)
BRIVANO_PICTURE(b02, 170)
BRIVANO_PICTURE(b03, 171)
BRIVANO_PICTURE(b04, 172)
BRIVANO_PICTURE(b05, 173)
BRIVANO_PICTURE(b06, 174)
BRIVANO_PICTURE(b07, 175)
BRIVANO_PICTURE(b08, 176)
BRIVANO_PICTURE(b09, 177)
BRIVANO_PICTURE(b10, 178)
BRIVANO_PICTURE(c01, 179)
BRIVANO_PICTURE(c02, 180)
BRIVANO_PICTURE(c03, 181)
BRIVANO_PICTURE(c04, 182)
BRIVANO_PICTURE(c05, 183)
BRIVANO_PICTURE(c06, 184)
BRIVANO_PICTURE(c07, 185)
BRIVANO_PICTURE(c08, 186)
BRIVANO_PICTURE(c09, 187)
BRIVANO_PICTURE(c10, 188)
BRIVANO_PICTURE(d01, 189)
BRIVANO_PICTURE(d02, 190)
BRIVANO_PICTURE(d03, 191)
BRIVANO_PICTURE(d04, 192)
BRIVANO_PICTURE(d05, 193)
BRIVANO_PICTURE(d06, 194)
BRIVANO_PICTURE(d07, 195)
BRIVANO_PICTURE(d08, 196)
BRIVANO_PICTURE(d09, 197)
BRIVANO_PICTURE(d10, 198)
BRIVANO_PICTURE(s01, 199)
BRIVANO_PICTURE(s02, 200)
BRIVANO_PICTURE(s03, 201)
BRIVANO_PICTURE(s04, 202)
BRIVANO_PICTURE(s05, 203)
BRIVANO_PICTURE(s06, 204)
BRIVANO_PICTURE(s07, 205)
BRIVANO_PICTURE(s08, 206)
BRIVANO_PICTURE(s09, 207)
BRIVANO_PICTURE(s10, 208)
BRIVANO_PICTURE(pla, 209)
BRIVANO_PICTURE(mac, 210)
BRIVANO_PICTURE(bita, 211)
BRIVANO_PICTURE(busa, 212)
BRIVANO_PICTURE(frgiu, 213)
BRIVANO_PICTURE(frsu, 214)
BRIVANO_PICTURE(frdes, 215)
BRIVANO_PICTURE(manona, 216)
BRIVANO_PICTURE(legno, 217)
BRIVANO_PICTURE(fondoscor, 219)
BRIVANO_PICTURE(aaat, 260)
BRIVANO_PICTURE(cartatrevi1, 220)
BRIVANO_PICTURE(cartatrevi2, 221)
BRIVANO_PICTURE(cartatrevi3, 222)
BRIVANO_PICTURE(cartatrevi4, 223)
BRIVANO_PICTURE(cartatrevi5, 224)
BRIVANO_PICTURE(cartatrevi6, 225)
BRIVANO_PICTURE(cartatrevi7, 226)
BRIVANO_PICTURE(cartatrevi8, 227)
BRIVANO_PICTURE(cartatrevi9, 228)
BRIVANO_PICTURE(cartatrevi10, 229)
BRIVANO_PICTURE(cartatrevi11, 230)
BRIVANO_PICTURE(cartatrevi12, 231)
BRIVANO_PICTURE(cartatrevi13, 232)
BRIVANO_PICTURE(cartatrevi14, 233)
BRIVANO_PICTURE(cartatrevi15, 234)
BRIVANO_PICTURE(cartatrevi16, 235)
BRIVANO_PICTURE(cartatrevi17, 236)
BRIVANO_PICTURE(cartatrevi18, 237)
BRIVANO_PICTURE(cartatrevi19, 238)
BRIVANO_PICTURE(cartatrevi20, 239)
BRIVANO_PICTURE(cartatrevi21, 240)
BRIVANO_PICTURE(cartatrevi22, 241)
BRIVANO_PICTURE(cartatrevi23, 242)
BRIVANO_PICTURE(cartatrevi24, 243)
BRIVANO_PICTURE(cartatrevi25, 244)
BRIVANO_PICTURE(cartatrevi26, 245)
BRIVANO_PICTURE(cartatrevi27, 246)
BRIVANO_PICTURE(cartatrevi28, 247)
BRIVANO_PICTURE(cartatrevi29, 248)
BRIVANO_PICTURE(cartatrevi30, 249)
BRIVANO_PICTURE(cartatrevi31, 250)
BRIVANO_PICTURE(cartatrevi32, 251)
BRIVANO_PICTURE(cartatrevi33, 252)
BRIVANO_PICTURE(cartatrevi34, 253)
BRIVANO_PICTURE(cartatrevi35, 254)
BRIVANO_PICTURE(cartatrevi36, 255)
BRIVANO_PICTURE(cartatrevi37, 256)
BRIVANO_PICTURE(cartatrevi38, 257)
BRIVANO_PICTURE(cartatrevi39, 258)
BRIVANO_PICTURE(cartatrevi40, 259)

fw::SoundPtr sndcarta() {
  // Never destroyed: a sound must not outlive the application object's event loop in a destructor.
  static auto* snd = new fw::SoundPtr;
  if (!*snd) *snd = fw::GetSound(168);
  return *snd;
}

fw::PicturePtr standardFace(int card) {
  // Card numbers run coins, swords, clubs, cups; the pictures are filed by suit initial.
  static fw::PicturePtr (*const faces[40])() = {
      d01, d02, d03, d04, d05, d06, d07, d08, d09, d10,
      s01, s02, s03, s04, s05, s06, s07, s08, s09, s10,
      b01, b02, b03, b04, b05, b06, b07, b08, b09, b10,
      c01, c02, c03, c04, c05, c06, c07, c08, c09, c10,
  };
  if (card < 1 || card > 40) fw::fatal("no card " + std::to_string(card));
  return faces[card - 1]();
}

fw::PicturePtr trevisanFace(int card) {
  // The Trevisan pictures run clubs, coins, swords, cups.
  static fw::PicturePtr (*const faces[40])() = {
      cartatrevi11, cartatrevi12, cartatrevi13, cartatrevi14, cartatrevi15, cartatrevi16, cartatrevi17, cartatrevi18, cartatrevi19, cartatrevi20,
      cartatrevi21, cartatrevi22, cartatrevi23, cartatrevi24, cartatrevi25, cartatrevi26, cartatrevi27, cartatrevi28, cartatrevi29, cartatrevi30,
      cartatrevi1, cartatrevi2, cartatrevi3, cartatrevi4, cartatrevi5, cartatrevi6, cartatrevi7, cartatrevi8, cartatrevi9, cartatrevi10,
      cartatrevi31, cartatrevi32, cartatrevi33, cartatrevi34, cartatrevi35, cartatrevi36, cartatrevi37, cartatrevi38, cartatrevi39, cartatrevi40,
  };
  if (card < 1 || card > 40) fw::fatal("no card " + std::to_string(card));
  return faces[card - 1]();
}
