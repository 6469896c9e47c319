#include "bitmap_viewer.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bitmap_viewer_choice.h"
#include "monitor_strings.h"
#include "popup_lists.h"
#include "profile_file.h"
#include "secondary_dialog.h"
#include "statmon_resource.h"
#include "status_display.h"

namespace statmon {
namespace {

constexpr std::size_t kSectionKeysBufferSize = 32767;

std::string Name(const MonitorContext& context, int id) {
  return LoadMonitorText(static_cast<HINSTANCE>(context.instance), static_cast<UINT>(id));
}

MonitorContext* CopyOf(HWND viewer) {
  return reinterpret_cast<MonitorContext*>(GetWindowLongPtrA(viewer, DWLP_USER));
}

// Shows the "section missing" message; false when the section has keys.
bool ReportMissingSection(HWND viewer, const MonitorContext& context, const std::string& section,
                          DWORD length) {
  if (length != 0) return false;
  const HINSTANCE instance = static_cast<HINSTANCE>(context.instance);
  const std::string format = LoadMonitorText(instance, IDS_SECTION_MISSING);
  const std::string caption = LoadMonitorText(instance, IDS_INI_DATA_MISSING);
  std::vector<char> text(format.size() + section.size() + sizeof context.iniPath + 32);
  std::snprintf(text.data(), text.size(), format.c_str(), section.c_str(), context.iniPath,
                static_cast<int>(length));
  MessageBoxA(viewer, text.data(), caption.c_str(), MB_OK | MB_ICONERROR);
  return true;
}

std::vector<std::string> ChosenKeywords(HWND viewer) {
  std::vector<std::string> keywords;
  HWND list = GetDlgItem(viewer, IDC_VIEWER_OPTIONS);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (SendMessageA(list, LB_GETSEL, i, 0) <= 0) continue;
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::string(text.c_str()).size());
    keywords.push_back(text);
  }
  return keywords;
}

// The copy takes the chosen code and options and shows them.
void ApplyChoice(HWND viewer, MonitorContext& copy) {
  char code[32] = "";
  GetDlgItemTextA(viewer, IDC_VIEWER_CODES, code, sizeof code);
  copy.statusCode = std::atoi(code);
  copy.hardwareFlags = FlagsForKeywords(ChosenKeywords(viewer));
  SetWindowTextA(viewer, ViewerTitle(copy.statusCode).c_str());
  ComputeOptions(copy);
  RefreshDisplay(copy, false);
  if (HWND picture = GetDlgItem(viewer, kPictureControlId)) InvalidateRect(picture, nullptr, TRUE);
}

bool Initialise(HWND viewer, const MonitorContext& context) {
  CentreOver(viewer, static_cast<HWND>(context.mainWindow));
  const std::string codesSection = Name(context, IDS_SECTION_CODES_TO_BMPS);
  const std::string optionsSection = Name(context, IDS_SECTION_BMP_OPTIONS);
  DWORD codesLength = 0;
  DWORD optionsLength = 0;
  const std::string codes =
      ReadSectionKeys(context.iniPath, codesSection, kSectionKeysBufferSize, codesLength);
  if (ReportMissingSection(viewer, context, codesSection, codesLength)) return false;
  const std::string options =
      ReadSectionKeys(context.iniPath, optionsSection, kSectionKeysBufferSize, optionsLength);
  if (ReportMissingSection(viewer, context, optionsSection, optionsLength)) return false;

  HWND combo = GetDlgItem(viewer, IDC_VIEWER_CODES);
  const std::string current = std::to_string(context.statusCode);
  for (const std::string& key : PlainCodeKeys(SplitKeyList(codes.data(), codes.size()))) {
    const LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.c_str()));
    if (key == current) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  if (SendMessageA(combo, CB_GETCURSEL, 0, 0) == CB_ERR) SendMessageA(combo, CB_SETCURSEL, 0, 0);
  HWND list = GetDlgItem(viewer, IDC_VIEWER_OPTIONS);
  for (const std::string& key : SplitKeyList(options.data(), options.size())) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.c_str()));
  }
  return true;
}

void EndViewer(HWND viewer, INT_PTR result) {
  EndDialog(viewer, result);
}

INT_PTR CALLBACK BitmapViewerProc(HWND viewer, UINT message, WPARAM wParam, LPARAM lParam) {
  MonitorContext* copy = CopyOf(viewer);
  switch (message) {
    case WM_INITDIALOG: {
      const MonitorContext& context = *reinterpret_cast<const MonitorContext*>(lParam);
      SetOpenSecondaryDialog(viewer);
      if (!Initialise(viewer, context)) {
        EndViewer(viewer, IDABORT);
        return TRUE;
      }
      // The copy draws into the viewer. Without a tray its state icon
      // becomes the viewer's own window icon, so that the monitor's tray
      // icon keeps showing the printer's real state.
      copy = new MonitorContext(context);
      copy->mainWindow = viewer;
      copy->hasTray = 0;
      copy->pictureControlId = kPictureControlId;
      SetWindowLongPtrA(viewer, DWLP_USER, reinterpret_cast<LONG_PTR>(copy));
      ApplyChoice(viewer, *copy);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      if (copy != nullptr && GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kPictureControlId) {
        RefreshDisplay(*copy, false);
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
      }
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_VIEWER_CODES:
          if (HIWORD(wParam) == CBN_SELCHANGE && copy != nullptr) ApplyChoice(viewer, *copy);
          return TRUE;
        case IDC_VIEWER_OPTIONS:
          if (HIWORD(wParam) == LBN_SELCHANGE && copy != nullptr) ApplyChoice(viewer, *copy);
          return TRUE;
        case IDOK:
        case IDCANCEL:
          EndViewer(viewer, LOWORD(wParam));
          return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndViewer(viewer, IDCANCEL);
      return TRUE;
    case WM_DESTROY:
      SetOpenSecondaryDialog(nullptr);
      SetWindowLongPtrA(viewer, DWLP_USER, 0);
      delete copy;
      return FALSE;
  }
  return FALSE;
}

}  // namespace

INT_PTR RunBitmapViewer(MonitorContext& context) {
  return DialogBoxParamA(static_cast<HINSTANCE>(context.instance),
                         MAKEINTRESOURCEA(IDD_BITMAP_VIEWER), static_cast<HWND>(context.mainWindow),
                         BitmapViewerProc, reinterpret_cast<LPARAM>(&context));
}

}  // namespace statmon
