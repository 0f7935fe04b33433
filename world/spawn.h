#pragma once
// The spawn table: characters are made by kind number (iType). The layers that define the kinds
// register a factory for each at start-up, so code low in the game (a rider thrown off its mount,
// a stage's wave table) can create a kind without naming its class.

#include <memory>

class TCharacter;

// The input slot of characters that read no bindings: one past the heroine's slot.
constexpr int CODE_PLAYER_NONE = 2;

// Makes a character of its kind and runs its Init(CODE_PLAYER_NONE, id).
using SpawnFactory = std::shared_ptr<TCharacter> (*)(int id);

// Registers (or replaces) the factory of a kind.
void RegisterSpawn(int type, SpawnFactory factory);

// A new character of the kind with this id, set up by its Init; nullptr for a kind nobody
// registered. It is not added to CharacterList.
std::shared_ptr<TCharacter> Spawn(int type, int id);

// Forgets every factory (tests).
void ClearSpawnTable();
