// The character handler's update, draw order and clearing, and the engagement limit.

#include "actors/character_handler.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "actors/character.h"
#include "enemies/overmind.h"
#include "world/globals.h"

namespace {

std::vector<const TCharacter*> drawn;

// A character that notes its updates and its drawing.
class Marker : public TCharacter {
 public:
  int moves = 0;
  void MoveChara() override { ++moves; }
  void Draw() override { drawn.push_back(this); }
};

class CharacterHandlerTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    drawn.clear();
  }
  void TearDown() override { ResetGlobals(); }

  std::shared_ptr<Marker> Add(int type, int id, int side, int plane, int mode = MODE_STANCE) {
    auto c = std::make_shared<Marker>();
    c->iType = type;
    c->iID = id;
    c->iAffiliation = side;
    c->iPlane = plane;
    c->iMode = mode;
    c->iStatus = STATUS_NORMAL;
    c->fHP = 10;
    CharacterList.push_back(c);
    return c;
  }

  TCharacterHandler handler;
};

TEST_F(CharacterHandlerTest, DrawsHighestIdFirstKeepingEqualIdsInTheirOrder) {
  auto heroine = Add(TYPE_HEROINE, 0, SIDE_HEROINE, 2);
  auto first = Add(16, 3, SIDE_ENEMY, 2);
  auto twin = Add(16, 3, SIDE_ENEMY, 2);
  auto high = Add(16, 7, SIDE_ENEMY, 2);
  auto switching = Add(10, 9, SIDE_ENEMY, 1);  // between plane 2 and plane 0
  auto back = Add(10, 1, SIDE_ENEMY, 0);
  for (int plane = 0; plane <= 4; ++plane) handler.Draw(plane);
  const std::vector<const TCharacter*> expected = {back.get(),  switching.get(), high.get(),
                                                   first.get(), twin.get(),      heroine.get()};
  EXPECT_EQ(drawn, expected);
}

TEST_F(CharacterHandlerTest, AFinishedCharacterIsDroppedWithoutAnUpdate) {
  auto a = Add(16, 1, SIDE_ENEMY, 2);
  auto b = Add(16, 2, SIDE_ENEMY, 2);
  b->iStatus = STATUS_FINISHED;
  handler.Move();
  EXPECT_EQ(a->moves, 1);
  EXPECT_EQ(b->moves, 0);
  EXPECT_EQ(CharacterList.size(), 1u);
}

TEST_F(CharacterHandlerTest, CutscenesMoveOnlyTheirActorsButDrawEveryone) {
  auto heroine = Add(TYPE_HEROINE, 0, SIDE_HEROINE, 2);
  auto enemy = Add(16, 1, SIDE_ENEMY, 2);
  auto actor = Add(-1, 2, SIDE_HEROINE, 2);
  handler.MoveCutscene();
  EXPECT_EQ(heroine->moves + enemy->moves, 0);
  EXPECT_EQ(actor->moves, 1);
  handler.Draw(2);
  EXPECT_EQ(drawn.size(), 3u);
}

TEST_F(CharacterHandlerTest, ClearKeepsTheHeroineAndABoardedMountAndClearAllOnlyHer) {
  auto heroine = Add(TYPE_HEROINE, 0, SIDE_HEROINE, 2);
  heroine->SetMount(1, 1001);
  Add(16, 1, SIDE_ENEMY, 2);
  auto boarded = Add(TYPE_DRACON, 1001, SIDE_NEUTRAL, 2, MODE_INACTIVE);
  Add(TYPE_DRACON, 1002, SIDE_NEUTRAL, 2, MODE_MOUNT_WAITING);
  Add(-1, 5, SIDE_HEROINE, 2);
  handler.Clear();
  ASSERT_EQ(CharacterList.size(), 2u);
  EXPECT_EQ(CharacterList.front().get(), heroine.get());
  EXPECT_EQ(CharacterList.back().get(), boarded.get());

  handler.ClearAll();
  ASSERT_EQ(CharacterList.size(), 1u);
  EXPECT_EQ(CharacterList.front().get(), heroine.get());
  EXPECT_EQ(heroine->bUnmount, 1) << "back on foot";
}

// ---- The engagement limit -----------------------------------------------------------------------

TEST_F(CharacterHandlerTest, TheLimitEngagesTheHighestIdsFirst) {
  Add(TYPE_HEROINE, 0, SIDE_HEROINE, 2);
  std::vector<std::shared_ptr<Marker>> enemies;
  for (int id = 1; id <= 5; ++id) {
    enemies.push_back(Add(16, id, SIDE_ENEMY, 0));
    enemies.back()->iAIMode = 1;
  }
  handler.Sort();
  TOvermind overmind;
  overmind.SetMaxEngagedCombatant(2);
  overmind.SetAI();
  EXPECT_EQ(overmind.iWatchingCombatant, 5);
  std::vector<int> modes;
  for (const auto& e : enemies) modes.push_back(e->iAIMode);
  EXPECT_EQ(modes, (std::vector<int>{1, 1, 1, 0, 0}));
}

TEST_F(CharacterHandlerTest, TheLimitNeverSendsBackThoseOnHerPlane) {
  Add(TYPE_HEROINE, 0, SIDE_HEROINE, 2);
  std::vector<std::shared_ptr<Marker>> onHerPlane;
  for (int id = 1; id <= 3; ++id) onHerPlane.push_back(Add(16, id, SIDE_ENEMY, 2));
  auto offPlane = Add(16, 4, SIDE_ENEMY, 4);
  auto necromancer = Add(11, 5, SIDE_ENEMY, 4);  // keeps its own counsel
  TOvermind overmind;
  overmind.SetMaxEngagedCombatant(2);
  overmind.SetAI();
  for (const auto& e : onHerPlane) EXPECT_EQ(e->iAIMode, 0);
  EXPECT_EQ(offPlane->iAIMode, 1);
  EXPECT_EQ(necromancer->iAIMode, 0);
  EXPECT_EQ(overmind.iEngagedCombatant, 4);
}

TEST_F(CharacterHandlerTest, WithRoomForAllEveryWatcherEngagesAndWithNoneNothingChanges) {
  TOvermind overmind;
  overmind.SetMaxEngagedCombatant(3);
  overmind.SetAI();
  EXPECT_EQ(overmind.iEngagedCombatant + overmind.iWatchingCombatant, 0);
  auto a = Add(16, 1, SIDE_ENEMY, 0);
  auto dead = Add(16, 2, SIDE_ENEMY, 0);
  a->iAIMode = dead->iAIMode = 1;
  dead->fHP = 0;
  overmind.SetAI();
  EXPECT_EQ(a->iAIMode, 0);
  EXPECT_EQ(dead->iAIMode, 1) << "the dead take no part";
}

}  // namespace
