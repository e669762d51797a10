// The numbered pictures and the card sound, each loaded on first use and kept.
#pragma once

#include "framework/media.h"
#include "framework/picture.h"

// Picture accessors, named after their resources. A missing picture gives nil
// and is asked for again at the next call.
fw::PicturePtr aaa();  // picture 168
fw::PicturePtr b01();  // picture 169
fw::PicturePtr b02();  // picture 170
fw::PicturePtr b03();  // picture 171
fw::PicturePtr b04();  // picture 172
fw::PicturePtr b05();  // picture 173
fw::PicturePtr b06();  // picture 174
fw::PicturePtr b07();  // picture 175
fw::PicturePtr b08();  // picture 176
fw::PicturePtr b09();  // picture 177
fw::PicturePtr b10();  // picture 178
fw::PicturePtr c01();  // picture 179
fw::PicturePtr c02();  // picture 180
fw::PicturePtr c03();  // picture 181
fw::PicturePtr c04();  // picture 182
fw::PicturePtr c05();  // picture 183
fw::PicturePtr c06();  // picture 184
fw::PicturePtr c07();  // picture 185
fw::PicturePtr c08();  // picture 186
fw::PicturePtr c09();  // picture 187
fw::PicturePtr c10();  // picture 188
fw::PicturePtr d01();  // picture 189
fw::PicturePtr d02();  // picture 190
fw::PicturePtr d03();  // picture 191
fw::PicturePtr d04();  // picture 192
fw::PicturePtr d05();  // picture 193
fw::PicturePtr d06();  // picture 194
fw::PicturePtr d07();  // picture 195
fw::PicturePtr d08();  // picture 196
fw::PicturePtr d09();  // picture 197
fw::PicturePtr d10();  // picture 198
fw::PicturePtr s01();  // picture 199
fw::PicturePtr s02();  // picture 200
fw::PicturePtr s03();  // picture 201
fw::PicturePtr s04();  // picture 202
fw::PicturePtr s05();  // picture 203
fw::PicturePtr s06();  // picture 204
fw::PicturePtr s07();  // picture 205
fw::PicturePtr s08();  // picture 206
fw::PicturePtr s09();  // picture 207
fw::PicturePtr s10();  // picture 208
fw::PicturePtr pla();  // picture 209
fw::PicturePtr mac();  // picture 210
fw::PicturePtr bita();  // picture 211
fw::PicturePtr busa();  // picture 212
fw::PicturePtr frgiu();  // picture 213
fw::PicturePtr frsu();  // picture 214
fw::PicturePtr frdes();  // picture 215
fw::PicturePtr manona();  // picture 216
fw::PicturePtr legno();  // picture 217
fw::PicturePtr fondoscor();  // picture 219
fw::PicturePtr aaat();  // picture 260
fw::PicturePtr cartatrevi1();  // picture 220
fw::PicturePtr cartatrevi2();  // picture 221
fw::PicturePtr cartatrevi3();  // picture 222
fw::PicturePtr cartatrevi4();  // picture 223
fw::PicturePtr cartatrevi5();  // picture 224
fw::PicturePtr cartatrevi6();  // picture 225
fw::PicturePtr cartatrevi7();  // picture 226
fw::PicturePtr cartatrevi8();  // picture 227
fw::PicturePtr cartatrevi9();  // picture 228
fw::PicturePtr cartatrevi10();  // picture 229
fw::PicturePtr cartatrevi11();  // picture 230
fw::PicturePtr cartatrevi12();  // picture 231
fw::PicturePtr cartatrevi13();  // picture 232
fw::PicturePtr cartatrevi14();  // picture 233
fw::PicturePtr cartatrevi15();  // picture 234
fw::PicturePtr cartatrevi16();  // picture 235
fw::PicturePtr cartatrevi17();  // picture 236
fw::PicturePtr cartatrevi18();  // picture 237
fw::PicturePtr cartatrevi19();  // picture 238
fw::PicturePtr cartatrevi20();  // picture 239
fw::PicturePtr cartatrevi21();  // picture 240
fw::PicturePtr cartatrevi22();  // picture 241
fw::PicturePtr cartatrevi23();  // picture 242
fw::PicturePtr cartatrevi24();  // picture 243
fw::PicturePtr cartatrevi25();  // picture 244
fw::PicturePtr cartatrevi26();  // picture 245
fw::PicturePtr cartatrevi27();  // picture 246
fw::PicturePtr cartatrevi28();  // picture 247
fw::PicturePtr cartatrevi29();  // picture 248
fw::PicturePtr cartatrevi30();  // picture 249
fw::PicturePtr cartatrevi31();  // picture 250
fw::PicturePtr cartatrevi32();  // picture 251
fw::PicturePtr cartatrevi33();  // picture 252
fw::PicturePtr cartatrevi34();  // picture 253
fw::PicturePtr cartatrevi35();  // picture 254
fw::PicturePtr cartatrevi36();  // picture 255
fw::PicturePtr cartatrevi37();  // picture 256
fw::PicturePtr cartatrevi38();  // picture 257
fw::PicturePtr cartatrevi39();  // picture 258
fw::PicturePtr cartatrevi40();  // picture 259

// The card sound (sound 168).
fw::SoundPtr sndcarta();

// The face of card number 1..40 in the standard deck, and in the Trevisan deck.
fw::PicturePtr standardFace(int card);
fw::PicturePtr trevisanFace(int card);
