#pragma once

#include <functional>
#include <string>

class QWindow;

namespace ui {

// The text an error box shows for a message: a full stop is added when the message does not
// already end in a character that sorts at or before one.
std::string errorBoxText(const std::string& message);

// Shows the application-modal error box (stop icon, one OK button, the application title) and
// waits until it is dismissed. An owner, where given, keeps the box out of the taskbar.
void showErrorBox(const std::string& title, const std::string& message, QWindow* owner = nullptr);

// Tests replace the box with a recorder; an empty function brings the real box back.
using ErrorBoxRecorder = std::function<void(const std::string& title, const std::string& text)>;
void setErrorBoxRecorder(ErrorBoxRecorder recorder);

} // namespace ui
