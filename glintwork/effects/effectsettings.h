// Glintwork's effect settings: one record with a field per control of the main window.
#pragma once

struct EffectSettings {
};
