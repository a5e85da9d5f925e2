#include "BevelPanelClass.h"

#include "WindowClass.h"

#include "frontend/Guarded.h"
#include "win32/ErrorDisplay.h"

namespace quarl {
namespace {

constexpr wchar_t ClassName[] = L"QuarlBevelPanel";

void Paint(HWND panel)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(panel, &paint);
    RECT area{};
    GetClientRect(panel, &area);
    DrawEdge(dc, &area, BDR_RAISEDINNER | BDR_SUNKENOUTER, BF_RECT);
    EndPaint(panel, &paint);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM first, LPARAM second)
{
    switch (message) {
    case WM_PAINT:
        Guarded(ShowError, [panel] { Paint(panel); });
        return 0;
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetParent(panel), message, first, second);
    default:
        return DefWindowProcW(panel, message, first, second);
    }
}

} // namespace

HWND CreateBevelPanel(HWND parent, int left, int top, int width, int height)
{
    RegisterWindowClass({ClassName, PanelProc, nullptr, GetSysColorBrush(COLOR_BTNFACE)});
    return CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left, top,
                           width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace quarl
