#pragma once
// The list of watched variables in the "Watched Items" section of the settings
// file: keys "Watch00", "Watch01", ... holding variable names.
#include <string>

#include "seams/host_os.h"
#include "seams/ini_file.h"
#include "state/var_record.h"

namespace varnolux {

constexpr int kWatchKeys = 21;  // Watch00 .. Watch20

// "Watch" followed by the index as two digits.
std::string WatchKey(int index);

// Marks every record whose name equals a saved name as watched. Reads at most
// 21 keys and stops at the first empty one; a saved name that matches no
// variable (one removed from the program) is skipped and the next is read.
void RestoreWatchedItems(VarTable& records, const HostOs& os, const std::string& settingsPath);

// Writes the names of the watched records, in table order, as Watch00 upward
// (at most 21), followed by an empty key ending the list when fewer than 20
// were written. Later keys are left as they are.
void SaveWatchedItems(const VarTable& records, IniDocument& doc);

}  // namespace varnolux
