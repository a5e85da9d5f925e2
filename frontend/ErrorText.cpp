#include "frontend/ErrorText.h"

namespace quarl {

std::string ErrorText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace quarl
