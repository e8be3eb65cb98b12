#include "state/keys.h"

#include "platform/keyboard.h"

Integer keyisdown(int key) {
    return keyheld(key) ? -1 : 0;
}
