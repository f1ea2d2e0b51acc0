// One section of the driver's INI file as name/value pairs, for the
// settings beyond the display parameters ([Window], [Keys]).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lumisim {

using IniEntries = std::vector<std::pair<std::string, std::string>>;

// The entries of the section, in file order, with the reading rules of the
// display parameters: section names ignore case and surrounding blanks,
// the first occurrence of a name counts (names compared ignoring case),
// overlong lines are cut. A missing file, or one that is not a regular
// file, gives no entries.
IniEntries readIniSection(const char *path, const char *section);

}  // namespace lumisim
