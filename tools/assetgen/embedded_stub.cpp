#include "embedded_assets.h"

void RegisterEmbeddedAssets() {}
