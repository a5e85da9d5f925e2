#pragma once

#include <string_view>

namespace quarl {

// Shows a UTF-8 error message in a critical message box with one OK button, modal for the whole program and
// titled with the application name. Its text follows frontend/ErrorText.h.
void ShowError(std::string_view message);

// Shows the exception being handled with ShowError, as frontend/Guarded.h describes; nothing leaves it.
// Call it only inside a catch block.
void ShowCurrentError() noexcept;

} // namespace quarl
