#include "enemies/overmind.h"

#include <memory>
#include <string>

#include "actors/character.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {
constexpr int AI_ENGAGE = 0;
constexpr int AI_WATCH = 1;
}  // namespace

void TOvermind::SetMaxEngagedCombatant(int count) { iMaxEngagedCombatant = count; }

int TOvermind::Qualified(const TCharacter& c) {
  return c.fHP > 0 && c.iAffiliation == SIDE_ENEMY && c.iType != TYPE_NECROMANCER ? 1 : 0;
}

void TOvermind::SetAI() {
  iEngagedCombatant = iWatchingCombatant = 0;
  int qualified = 0;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (!Qualified(*c)) continue;
    ++qualified;
    if (c->iAIMode == AI_ENGAGE) ++iEngagedCombatant;
    if (c->iAIMode == AI_WATCH) ++iWatchingCombatant;
  }
  if (qualified <= iMaxEngagedCombatant) {
    for (const std::shared_ptr<TCharacter>& c : CharacterList) {
      if (Qualified(*c) && c->iAIMode == AI_WATCH) c->iAIMode = AI_ENGAGE;
    }
  } else if (iEngagedCombatant < iMaxEngagedCombatant) {
    // Room for more: the watchers first in the list (the highest ids) step in.
    int room = iMaxEngagedCombatant - iEngagedCombatant;
    for (const std::shared_ptr<TCharacter>& c : CharacterList) {
      if (room <= 0) break;
      if (Qualified(*c) && c->iAIMode == AI_WATCH) {
        c->iAIMode = AI_ENGAGE;
        --room;
      }
    }
  } else if (iEngagedCombatant > iMaxEngagedCombatant) {
    const TCharacter* heroine = FindHeroine();
    for (const std::shared_ptr<TCharacter>& c : CharacterList) {
      if (Qualified(*c) && c->iAIMode == AI_ENGAGE && (!heroine || c->iPlane != heroine->iPlane)) {
        c->iAIMode = AI_WATCH;
      }
    }
  }
}

void TOvermind::Debug() {
  int watching = 0, engaged = 0;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (!Qualified(*c)) continue;
    if (c->iAIMode == AI_WATCH) ++watching;
    if (c->iAIMode == AI_ENGAGE) ++engaged;
  }
  DrawShadowText(TEXT_WHITE,
                 "watch=" + std::to_string(watching) + "  engage=" + std::to_string(engaged),
                 ViewX(200), 300);
}
