#include "bowling/display_failure.h"

std::string DisplayFailureMessage(const std::string& hostError) {
  return "Unable to initialize the display.  Make sure you have the latest drivers from "
         "https://www.debian.org/distrib/packages\n\n" +
         hostError;
}
