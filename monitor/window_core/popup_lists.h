// The pop-up selection dialog's data: which statuses it lists, in which of
// its two lists (active: the status pops the window up; inactive: it does
// not), and what [InactivePopups] holds after the user confirms.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "profile_source.h"

namespace statmon {

// Key names of a profile section as GetPrivateProfileStringA returns them
// with a null key: NUL-separated, ending in an empty name. A buffer that was
// cut short (no final empty name) still yields the complete names it holds.
std::vector<std::string> SplitKeyList(const char* buffer, std::size_t length);

// The status text of an ErrorMessages value ("colour;status;recovery") as the
// dialog lists it: the part between the first and the second semicolon (to
// the end without a second one), with the first "\n" escape shown as "--".
// Empty when there is no status text.
std::string PopupStatusText(const std::string& errorMessage);

// One line of a list. Statuses whose text repeats the line above are folded
// into it: `codes` holds every code the line stands for, the first one is
// the line's own (the list item's data).
struct PopupEntry {
  std::string text;
  std::vector<int> codes;
};

struct PopupLists {
  std::vector<PopupEntry> active;
  std::vector<PopupEntry> inactive;
};

// Builds both lists from the key names of CodesToBmps in file order. Only
// plain codes (keys shorter than 7 characters, not the "_C_" option
// variants) with a status text are listed; a line goes to the inactive list
// when [InactivePopups] has a non-zero value for its code.
PopupLists BuildPopupLists(const std::vector<std::string>& codeKeys, const ProfileSource& profile,
                           const NameTable& names);

struct ProfileEntry {
  std::string key;
  std::string value;
  bool operator==(const ProfileEntry& other) const {
    return key == other.key && value == other.value;
  }
};

// What [InactivePopups] holds after OK, written into the emptied section:
// "1" for every code of every line of the inactive list (the line's own code
// and those folded into it, so that a status never pops up while its text is
// switched off), then the earlier entries of codes the dialog did not list,
// unchanged, because the user could not have meant to change them.
// `inactiveCodes` are the item codes of the inactive list as it stands.
std::vector<ProfileEntry> RewriteInactivePopups(const std::vector<int>& inactiveCodes,
                                                const PopupLists& listed,
                                                const std::vector<ProfileEntry>& previous);

}  // namespace statmon
