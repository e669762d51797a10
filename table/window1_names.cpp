// The name fields and the player's picture well.
#include "engine/globali.h"
#include "table/window1.h"

void window1::ImageWell1_Open() { control("ImageWell1").setImage(Globali::immagine(41)); }

void window1::ImageWell1_MouseDown() { Globali::custompicture(); }

void window1::EditField1_Open() { control("EditField1").setText(Globali::nomepla); }

// Also heard when the window closes with the field still being typed in.
void window1::EditField1_LostFocus() { Globali::nomepla = control("EditField1").text(); }

void window1::EditField2_Open() { control("EditField2").setText(Globali::nomemac); }

void window1::EditField2_LostFocus() { Globali::nomemac = control("EditField2").text(); }
