#pragma once

namespace quarl {

// The application's title: the caption of its error boxes and of its task-bar entry.
inline constexpr wchar_t ApplicationTitle[] = L"QUARL-Counter";

} // namespace quarl
