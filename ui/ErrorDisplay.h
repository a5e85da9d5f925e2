#pragma once

#include <string>
#include <string_view>

namespace quarl {

// The text shown for an error message: a "." is added when the message ends in a character above "." in byte
// order (a letter, a digit, ":" or "?"); a message ending in ".", ")", "!" or a blank is shown as it is.
[[nodiscard]] std::string ErrorText(std::string_view message);

// Shows a UTF-8 error message in a critical message box with one OK button, modal for the whole program and
// titled with the application name.
void ShowError(std::string_view message);

// Shows the exception being handled: the message of a std::exception, an empty text for anything else.
// Call it only inside a catch block.
void ShowCurrentError();

} // namespace quarl
