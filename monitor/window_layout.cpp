#include "window_layout.h"

#include "statmon_resource.h"
#include "window_geometry.h"

namespace statmon {
namespace {

// One main window per process: its expanded size is kept here.
SIZE g_expandedSize{0, 0};

void ShowControl(HWND window, int id, bool show) {
  if (HWND control = GetDlgItem(window, id)) ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

Box BoxOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

void RememberExpandedSize(HWND window) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  g_expandedSize = {rect.right - rect.left, rect.bottom - rect.top};
}

void ReduceWindow(HWND window, MonitorContext& context) {
  if (!context.expanded) return;
  ShowControl(window, IDC_STATUS_GROUP_EXPANDED, false);
  ShowControl(window, IDC_RECOVERY_LABEL, false);
  ShowControl(window, IDC_STATUS_GROUP_REDUCED, true);
  RECT windowRect;
  RECT groupRect;
  HWND group = GetDlgItem(window, IDC_STATUS_GROUP_REDUCED);
  if (group != nullptr && GetWindowRect(window, &windowRect) && GetWindowRect(group, &groupRect)) {
    const Size size = ReducedWindowSize(BoxOf(windowRect), BoxOf(groupRect));
    SetWindowPos(window, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  context.expanded = 0;
}

void ExpandWindow(HWND window, MonitorContext& context) {
  if (context.expanded) return;
  context.expanded = 1;
  ShowControl(window, IDC_STATUS_GROUP_EXPANDED, true);
  ShowControl(window, IDC_RECOVERY_LABEL, true);
  ShowControl(window, IDC_STATUS_GROUP_REDUCED, false);
  if (g_expandedSize.cx > 0 && g_expandedSize.cy > 0) {
    SetWindowPos(window, nullptr, 0, 0, g_expandedSize.cx, g_expandedSize.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace statmon
