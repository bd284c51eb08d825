// Modal message boxes with an OK button, centred on the screen. An empty caption becomes
// "Warning", "Information" or "Error". Each returns the box's result.
#pragma once

#include <string>

int ShowWarning(const std::string& text, const std::string& caption = {});
int ShowInformation(const std::string& text, const std::string& caption = {});
int ShowError(const std::string& text, const std::string& caption = {});
