// The words the program says when the display cannot be opened: what to do about it, then the
// host's own reason.
#pragma once

#include <string>

std::string DisplayFailureMessage(const std::string& hostError);
