#include "frontend/Guarded.h"

#include <exception>

namespace quarl {

void ShowCurrentError(ErrorDisplay show) noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            show(error.what());
        } catch (...) {
            show({});
        }
    } catch (...) {
        try {
            // An empty text needs no memory to be built: the box still says that something failed.
            show({});
        } catch (...) {
            // Nothing is left to show it with; the program goes on.
        }
    }
}

} // namespace quarl
