#pragma once
#include "engine/item_model.h"

namespace brisko {

// Puts every category's rule table into the model.
void InstallItemRules(ItemModel& items);

}  // namespace brisko
