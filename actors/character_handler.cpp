#include "actors/character_handler.h"

#include <memory>

#include "actors/character.h"
#include "world/globals.h"

int TCharacterHandler::Sortx(const TCharacter& a, const TCharacter& b) {
  return static_cast<int>(a.x - b.x);
}

int TCharacterHandler::SortID(const TCharacter& a, const TCharacter& b) { return a.iID - b.iID; }

void TCharacterHandler::ResetGameData() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) c->ResetGameData();
}

void TCharacterHandler::Move() {
  for (auto it = CharacterList.begin(); it != CharacterList.end();) {
    // Held for the update: a character may append others (a rider thrown off leaves its mount).
    const std::shared_ptr<TCharacter> c = *it;
    if (c->iStatus == STATUS_FINISHED) {
      it = CharacterList.erase(it);
      continue;
    }
    c->Move();
    ++it;
  }
}

void TCharacterHandler::MoveCutscene() {
  for (auto it = CharacterList.begin(); it != CharacterList.end(); ++it) {
    const std::shared_ptr<TCharacter> c = *it;
    if (c->iType < 0) c->Move();
  }
}

void TCharacterHandler::Sort() {
  // list::sort is a stable merge sort: equal ids keep their order and nothing is allocated.
  CharacterList.sort([](const std::shared_ptr<TCharacter>& a,
                        const std::shared_ptr<TCharacter>& b) { return SortID(*a, *b) > 0; });
}

void TCharacterHandler::Draw(int plane) {
  Sort();
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iPlane == plane) c->Draw();
  }
}

void TCharacterHandler::DrawBossGUI() {
  Sort();
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (IsBossType(c->iType)) c->DrawGUI();
  }
}

void TCharacterHandler::Clear() {
  CharacterList.remove_if([](const std::shared_ptr<TCharacter>& c) {
    return c->iAffiliation == SIDE_ENEMY ||
           (c->iAffiliation == SIDE_NEUTRAL && c->iMode != MODE_INACTIVE) || c->iType < 0;
  });
}

void TCharacterHandler::ClearAll() {
  for (auto it = CharacterList.begin(); it != CharacterList.end();) {
    if ((*it)->iType != TYPE_HEROINE) {
      it = CharacterList.erase(it);
      continue;
    }
    (*it)->SetMount(0, -1);
    ++it;
  }
}
