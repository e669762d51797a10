// The name fields and the player's picture well.
#include "engine/globali.h"
#include "table/window1.h"

void window1::ImageWell1_Open() {}
void window1::ImageWell1_MouseDown() {}
void window1::EditField1_Open() {}
void window1::EditField1_LostFocus() {}
void window1::EditField2_Open() {}
void window1::EditField2_LostFocus() {}
