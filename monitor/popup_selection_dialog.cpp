#include "popup_selection_dialog.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "monitor_strings.h"
#include "misc_settings.h"
#include "popup_lists.h"
#include "profile_file.h"
#include "secondary_dialog.h"
#include "statmon_resource.h"

namespace statmon {
namespace {

// CodesToBmps may be long: its key names are read into the largest buffer
// the profile functions fill.
constexpr std::size_t kCodeKeysBufferSize = 32767;
constexpr std::size_t kInactiveKeysBufferSize = 4096;
constexpr int kListExtentPixels = 768;
constexpr int kMaxMovedItems = 300;
constexpr DWORD kHelpTopic = 1200;

struct DialogState {
  MonitorContext* context = nullptr;
  PopupLists listed;  // as built when the dialog opened
  int focus = 0;      // [PopUpCfg] Focus: 0 moves the focus to the enabled button
};

DialogState* StateOf(HWND dialog) {
  return reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string Name(const MonitorContext& context, int id) {
  return LoadMonitorText(static_cast<HINSTANCE>(context.instance), static_cast<UINT>(id));
}

void AddLine(HWND list, const std::string& text, int code) {
  const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), code);
}

void FillList(HWND dialog, int id, const std::vector<PopupEntry>& entries) {
  HWND list = GetDlgItem(dialog, id);
  for (const PopupEntry& entry : entries) AddLine(list, entry.text, entry.codes.front());
  SendMessageA(list, LB_SETHORIZONTALEXTENT, kListExtentPixels, 0);
}

// The button that moves the selection of `listId` to the other list.
int MoveButtonOf(int listId) {
  return listId == IDC_POPUP_INACTIVE_LIST ? IDC_POPUP_MOVE_TO_ACTIVE : IDC_POPUP_MOVE_TO_INACTIVE;
}

void MoveSelected(HWND dialog, int fromId, int toId) {
  HWND from = GetDlgItem(dialog, fromId);
  HWND to = GetDlgItem(dialog, toId);
  int selected[kMaxMovedItems];
  const LRESULT count =
      SendMessageA(from, LB_GETSELITEMS, kMaxMovedItems, reinterpret_cast<LPARAM>(selected));
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(from, LB_GETTEXTLEN, selected[i], 0);
    if (length < 0) continue;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(from, LB_GETTEXT, selected[i], reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    AddLine(to, text, static_cast<int>(SendMessageA(from, LB_GETITEMDATA, selected[i], 0)));
  }
  // From the end, so that the indices of the items still to go stay valid.
  for (LRESULT i = count - 1; i >= 0; --i) SendMessageA(from, LB_DELETESTRING, selected[i], 0);
  EnableWindow(GetDlgItem(dialog, IDC_POPUP_MOVE_TO_ACTIVE), FALSE);
  EnableWindow(GetDlgItem(dialog, IDC_POPUP_MOVE_TO_INACTIVE), FALSE);
}

void Initialise(HWND dialog, DialogState& state) {
  MonitorContext& context = *state.context;
  const ProfileFile profile(context.iniPath);
  const ResourceNames names(static_cast<HINSTANCE>(context.instance));
  CentreOver(dialog, static_cast<HWND>(context.mainWindow));
  EnableWindow(GetDlgItem(dialog, IDC_POPUP_MOVE_TO_ACTIVE), FALSE);
  EnableWindow(GetDlgItem(dialog, IDC_POPUP_MOVE_TO_INACTIVE), FALSE);

  const std::string section = Name(context, IDS_SECTION_POPUP_CFG);
  state.focus = profile.ReadInt(section, Name(context, IDS_KEY_FOCUS), 0);
  // A title the file does not give leaves the template's label.
  const std::string enabled = profile.ReadString(section, Name(context, IDS_KEY_ENABLED_TITLE), "", 128);
  const std::string disabled =
      profile.ReadString(section, Name(context, IDS_KEY_DISABLED_TITLE), "", 128);
  if (!enabled.empty()) SetDlgItemTextA(dialog, IDC_POPUP_ACTIVE_LABEL, enabled.c_str());
  if (!disabled.empty()) SetDlgItemTextA(dialog, IDC_POPUP_INACTIVE_LABEL, disabled.c_str());

  DWORD length = 0;
  const std::string keys = ReadSectionKeys(context.iniPath, Name(context, IDS_SECTION_CODES_TO_BMPS),
                                           kCodeKeysBufferSize, length);
  state.listed = BuildPopupLists(SplitKeyList(keys.data(), keys.size()), profile, names);
  FillList(dialog, IDC_POPUP_ACTIVE_LIST, state.listed.active);
  FillList(dialog, IDC_POPUP_INACTIVE_LIST, state.listed.inactive);
}

void SaveInactivePopups(HWND dialog, const DialogState& state) {
  const MonitorContext& context = *state.context;
  const std::string section = Name(context, IDS_SECTION_INACTIVE_POPUPS);
  DWORD length = 0;
  const std::string keys = ReadSectionKeys(context.iniPath, section, kInactiveKeysBufferSize, length);
  std::vector<ProfileEntry> previous;
  const ProfileFile profile(context.iniPath);
  for (const std::string& key : SplitKeyList(keys.data(), keys.size())) {
    previous.push_back({key, profile.ReadString(section, key, "", 64)});
  }

  HWND list = GetDlgItem(dialog, IDC_POPUP_INACTIVE_LIST);
  std::vector<int> inactive;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    inactive.push_back(static_cast<int>(SendMessageA(list, LB_GETITEMDATA, i, 0)));
  }
  WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, context.iniPath);
  for (const ProfileEntry& entry : RewriteInactivePopups(inactive, state.listed, previous)) {
    WritePrivateProfileStringA(section.c_str(), entry.key.c_str(), entry.value.c_str(),
                               context.iniPath);
  }
}

void OnListNotification(HWND dialog, const DialogState& state, int listId, int code) {
  const int otherList =
      listId == IDC_POPUP_INACTIVE_LIST ? IDC_POPUP_ACTIVE_LIST : IDC_POPUP_INACTIVE_LIST;
  const int button = MoveButtonOf(listId);
  switch (code) {
    case LBN_SELCHANGE:
      EnableWindow(GetDlgItem(dialog, button), TRUE);
      EnableWindow(GetDlgItem(dialog, MoveButtonOf(otherList)), FALSE);
      if (state.focus == 0) SetFocus(GetDlgItem(dialog, button));
      break;
    case LBN_DBLCLK:
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
      break;
    case LBN_SETFOCUS:
      SendDlgItemMessageA(dialog, otherList, LB_SETSEL, FALSE, -1);
      break;
  }
}

INT_PTR CALLBACK PopupSelectionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = StateOf(dialog);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetOpenSecondaryDialog(dialog);
      Initialise(dialog, *reinterpret_cast<DialogState*>(lParam));
      return TRUE;
    case WM_COMMAND: {
      if (state == nullptr) return FALSE;
      const int id = LOWORD(wParam);
      switch (id) {
        case IDC_POPUP_ACTIVE_LIST:
        case IDC_POPUP_INACTIVE_LIST:
          OnListNotification(dialog, *state, id, HIWORD(wParam));
          return TRUE;
        case IDC_POPUP_MOVE_TO_ACTIVE:
          MoveSelected(dialog, IDC_POPUP_INACTIVE_LIST, IDC_POPUP_ACTIVE_LIST);
          return TRUE;
        case IDC_POPUP_MOVE_TO_INACTIVE:
          MoveSelected(dialog, IDC_POPUP_ACTIVE_LIST, IDC_POPUP_INACTIVE_LIST);
          return TRUE;
        case IDC_POPUP_HELP: {
          const ProfileFile profile(state->context->iniPath);
          const ResourceNames names(static_cast<HINSTANCE>(state->context->instance));
          const std::string help = ReadMiscString(profile, names, MiscKey::kHelpFileName);
          if (!help.empty()) WinHelpA(dialog, help.c_str(), HELP_CONTEXT, kHelpTopic);
          return TRUE;
        }
        case IDOK:
          SaveInactivePopups(dialog, *state);
          EndDialog(dialog, IDOK);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      SetOpenSecondaryDialog(nullptr);
      return FALSE;
  }
  return FALSE;
}

}  // namespace

INT_PTR RunPopupSelectionDialog(MonitorContext& context) {
  DialogState state;
  state.context = &context;
  return DialogBoxParamA(static_cast<HINSTANCE>(context.instance), "SELECT_POPUP",
                         static_cast<HWND>(context.mainWindow), PopupSelectionProc,
                         reinterpret_cast<LPARAM>(&state));
}

}  // namespace statmon
