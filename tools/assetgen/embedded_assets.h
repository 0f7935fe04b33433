#pragma once
// Registers every picture carried inside the program under its "incbin::" name.
void RegisterEmbeddedAssets();
