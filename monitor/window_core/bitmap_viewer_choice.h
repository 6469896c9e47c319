// The bitmap viewer's choices: which codes and option keywords it offers,
// which hardware flags a set of chosen keywords stands for, and its title.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace statmon {

// The plain codes among CodesToBmps' keys (not the "_C_" option variants),
// in file order.
std::vector<std::string> PlainCodeKeys(const std::vector<std::string>& codeKeys);

// The hardware flag an option keyword of BMPOptions stands for, 0 for
// keywords without one (DEFAULT and unknown words). A keyword that names
// several rows of the option table (MANUAL) takes its first row's flag.
std::uint32_t OptionKeywordFlag(const std::string& keyword);

// The flags of all chosen keywords together.
std::uint32_t FlagsForKeywords(const std::vector<std::string>& keywords);

// "Bitmap Browser - 600100".
std::string ViewerTitle(int code);

}  // namespace statmon
