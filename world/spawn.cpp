#include "world/spawn.h"

#include <map>

namespace {
std::map<int, SpawnFactory>& Table() {
  static std::map<int, SpawnFactory> table;
  return table;
}
}  // namespace

void RegisterSpawn(int type, SpawnFactory factory) { Table()[type] = factory; }

std::shared_ptr<TCharacter> Spawn(int type, int id) {
  const auto found = Table().find(type);
  if (found == Table().end() || !found->second) return nullptr;
  return found->second(id);
}

void ClearSpawnTable() { Table().clear(); }
