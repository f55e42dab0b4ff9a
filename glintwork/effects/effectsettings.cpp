// Effect settings: see effectsettings.h.
#include "effectsettings.h"
