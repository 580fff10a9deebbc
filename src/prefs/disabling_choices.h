#pragma once
// The boxes of the options window's disabling page and their keys in
// "DisabledItem": fifty items, the services page, ten utilities buttons and
// three PC information boxes.
#include <string>
#include <vector>

#include "prefs/preferences.h"

namespace brisko {

struct DisablingBox {
    bool ticked = false;
    bool enabled = true;  // false for elements the program disabled ("pre_true")
};

// Every key of the page in box order: System1 ... Others10, Service,
// Utility1 ... Utility10, PCInfo1 ... PCInfo3.
const std::vector<std::string>& DisablingKeys();

// The box for a stored value. The services box is ticked also when the key
// is absent, because the services page starts unavailable.
DisablingBox DisablingBoxOf(const std::string& key, const std::string& value);

// Stores the enabled boxes: ticked "true", unticked deletes the key (the
// services box writes "false"). Boxes the program disabled write nothing.
void StoreDisablingBoxes(Preferences& prefs, const std::vector<DisablingBox>& boxes);

}  // namespace brisko
