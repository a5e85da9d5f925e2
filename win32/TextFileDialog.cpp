#include "win32/TextFileDialog.h"

#include "Text.h"

#include "frontend/MainFormData.h"

#include <stdexcept>

namespace quarl {

TextFileDialog::TextFileDialog(HWND owner, Kind kind)
{
    // Each entry of a filter is a description and a pattern, each ended by a NUL; a further NUL ends the list.
    const FileFilterData& filter = MainFormData::TextFiles;
    filter_ = Utf16(filter.description) + L'\0' + Utf16(filter.pattern) + L'\0';
    dialog_.lStructSize = sizeof dialog_;
    dialog_.hwndOwner = owner;
    dialog_.lpstrFilter = filter_.c_str();
    dialog_.nFilterIndex = 1;
    dialog_.lpstrFile = fileName_.data();
    dialog_.nMaxFile = static_cast<DWORD>(fileName_.size());
    dialog_.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    if (kind == Kind::Open)
        dialog_.Flags |= OFN_FILEMUSTEXIST;
}

void TextFileDialog::ShowForSaving()
{
    fileName_.fill(L'\0');
    if (!GetSaveFileNameW(&dialog_) && CommDlgExtendedError() != 0)
        throw std::runtime_error("Der Dialog zum Speichern lässt sich nicht öffnen");
}

} // namespace quarl
