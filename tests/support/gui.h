// Helpers that use the windows as a person would: clicks and pointer moves as real Qt events.
#pragma once

#include <QPoint>
#include <optional>
#include <string>

#include "framework/window.h"

namespace gui {

// Runs pending events and deletes the windows closed meanwhile.
void settle();
// A point of the window's content where this control is the one on top, if any.
std::optional<QPoint> visiblePoint(const fw::Control& control);
// Clicks the control where it can be seen (fails the test when it is fully covered or hidden).
void click(fw::Control& control, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(fw::Control& control);
// Clicks whatever lies at this point of the window's content; false when nothing is there.
bool clickAt(fw::Window& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
void enter(fw::Control& control);
void leave(fw::Control& control);
// Types into an edit field (which takes the focus first).
void type(fw::Control& field, const std::string& text);
// A fresh temporary folder for bare file names; returns its path.
std::string useTemporaryFileFolder();

}  // namespace gui
