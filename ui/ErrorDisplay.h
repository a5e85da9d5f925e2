#pragma once

#include <string_view>

namespace quarl {

// Shows a UTF-8 error message in a critical message box with one OK button, modal for the whole program and
// titled with the application name.
void ShowError(std::string_view message);

// Shows the exception being handled: the message of a std::exception, an empty text for anything else.
// Call it only inside a catch block.
void ShowCurrentError();

} // namespace quarl
