#include "shell/menubar1.h"

MenuBar1::MenuBar1() { Untitled1(); }

// Built with the English texts; the language routines rename six items once the language is known.
void MenuBar1::Untitled1() {
  append("", "FileMenu", "&File");
  append("FileMenu", "FileNewgame", "New game", "Cmd+N");
  append("FileMenu", "UntitledMenu2", "-");
  append("FileMenu", "FileCustompicture", "Custom PICT..", "Cmd+T");
  append("FileMenu", "FileRules", "Rules", "Cmd+R");
  append("FileMenu", "FileForceredraw", "Force redraw", "Cmd+B");
  append("FileMenu", "UntitledMenu1", "-");
  append("FileMenu", "FileMuteSound", "Mute Sound", "Cmd+M", true);
  append("FileMenu", "FileMuteSpeech", "Mute Speech", "Cmd+I", true);
  append("FileMenu", "UntitledMenu0", "-");
  append("FileMenu", "FileQuit", "Quit", "Cmd+Q");
  append("FileMenu", "AppleInfo", "Brivano Info");
}
