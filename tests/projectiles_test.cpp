// Hit boxes and their handler: the move-and-hit walk, candidates, sorting, removal, the
// heroine's score and mana, and hit effects.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "actors/combo_counter.h"
#include "combat/momo_projectiles.h"
#include "combat/projectile.h"
#include "enemies/enemy_projectiles.h"
#include "fighter_fixtures.h"
#include "fx/effects.h"
#include "world/globals.h"

namespace {

// A swing of the heroine's: a 200 x 100 box in front of her at chest height, asking for 50,
// worth 10 x ceil(damage / 2) a hit; spent by its first hit unless told otherwise.
class TestSwing : public TProjectileMomo {
 public:
  bool spentOnHit = true;
  int finishAt = 0;  // iDelayCounter at which it ends itself, 0 never
  int hits = 0;
  std::vector<std::string> calls;
  float scoreSeenByEffects = -1;

  void InitCustom(float damage) override {
    fDamage = damage;
    iType = HIT_BOX;
    iAffiliation = SIDE_HEROINE;
    iDamageType = MODE_HIT_HIGH;
    xBBox = 0;
    yBBox = -150;
    BBoxWidth = 200;
    BBoxHeight = 100;
    CountScore(10);
  }
  void MoveProjectile() override {
    calls.push_back("move");
    if (finishAt != 0 && iDelayCounter == finishAt) iStatus = PROJECTILE_FINISHED;
  }
  void DrawProjectile() override { calls.push_back("draw"); }
  void PlaySFX() override { calls.push_back("sound"); }
  void CreateHitEffectCustom(float xHit, float yHit, float, float) override {
    calls.push_back("effects");
    ++hits;
    scoreSeenByEffects = FindHeroine()->fScore;
    MPFill();
    for (int kind : {EFFECT_KIND_RING, EFFECT_KIND_SLASH, EFFECT_KIND_SPARK}) {
      CreateEffect(kind, xHit, yHit, fAngle, iFacing, iPlane);
    }
    if (spentOnHit) iStatus = PROJECTILE_SPENT;
  }
};

class ProjectileWorld : public CombatWorld {
 protected:
  void SetUp() override {
    CombatWorld::SetUp();
    ComboCounter->iCounter = 51;  // no combo running
    heroine->fMP = 0;
    heroine->fMPMax = 100;
  }
  std::shared_ptr<TestSwing> Swing(float x, int plane, float damage = 10) {
    auto swing = std::make_shared<TestSwing>();
    swing->Init(0, x, fPlaneY[plane], 0, 0, 0, plane, damage, 0, 1);
    ProjectileList.push_back(swing);
    return swing;
  }
  TProjectileHandler handler;
};

TEST_F(ProjectileWorld, OneSwingHitsEveryEnemyItOverlapsOnce) {
  auto first = AddFighter(1, SIDE_ENEMY, 100, 2);
  auto second = AddFighter(2, SIDE_ENEMY, 150, 2);
  auto swing = Swing(0, 2);
  swing->iTargetID = -1;

  handler.Move();
  EXPECT_FLOAT_EQ(first->fHP, 90);
  EXPECT_FLOAT_EQ(second->fHP, 90);
  EXPECT_EQ(swing->hits, 2);
  EXPECT_EQ(swing->iStatus, PROJECTILE_SPENT);
  EXPECT_EQ(swing->iTargetID, 2);
  EXPECT_EQ(EffectList.size(), 6u);
  // 50 a hit; the second hit continues the combo the first began: 10 more.
  EXPECT_FLOAT_EQ(heroine->fScore, 110);
  EXPECT_EQ(ComboCounter->iCombo, 2);
  EXPECT_FLOAT_EQ(heroine->fMP, 4);
  // The sparks sit where the box met each hurt box.
  EXPECT_FLOAT_EQ(first->xHitArea, 65);
  EXPECT_FLOAT_EQ(first->HitAreaWidth, 70);
  EXPECT_FLOAT_EQ(first->yHitArea, fPlaneY[2] - 150);
  EXPECT_FLOAT_EQ(first->HitAreaHeight, 100);

  handler.Move();
  EXPECT_FLOAT_EQ(first->fHP, 90);
  EXPECT_FLOAT_EQ(second->fHP, 90);
  EXPECT_EQ(swing->hits, 2);
}

TEST_F(ProjectileWorld, ADodgedSwingStaysLiveWithoutEffectOrScore) {
  auto dodger = AddFighter(1, SIDE_ENEMY, 100, 2);
  dodger->iSkillDodge = 1;
  auto swing = Swing(0, 2);
  swing->iTargetID = -1;

  handler.Move();
  EXPECT_EQ(dodger->iMode, MODE_DODGE);
  EXPECT_FLOAT_EQ(dodger->fHP, 100);
  EXPECT_EQ(swing->iStatus, PROJECTILE_ACTIVE);
  EXPECT_EQ(swing->iTargetID, -1);
  EXPECT_EQ(swing->hits, 0);
  EXPECT_TRUE(EffectList.empty());
  EXPECT_FLOAT_EQ(heroine->fScore, 0);
  EXPECT_FLOAT_EQ(heroine->fMP, 0);

  // Mid-dodge it is no longer quick enough: the still live swing lands.
  handler.Move();
  EXPECT_FLOAT_EQ(dodger->fHP, 90);
  EXPECT_EQ(swing->hits, 1);
  EXPECT_EQ(swing->iStatus, PROJECTILE_SPENT);
}

// Only the heroine's blows are shrugged off by a dodge; an enemy's blow on her lands in full.
TEST_F(ProjectileWorld, AnEnemyBlowOnADodgingHeroineStillShowsItsHit) {
  heroine->iSkillDodge = 1;
  auto blow = std::make_shared<TProjectileSabermanAttack1>();
  blow->Init(5, -100, fPlaneY[2], 0, 0, 0, 2, 10, 0, 1);
  ProjectileList.push_back(blow);
  handler.Move();
  EXPECT_EQ(heroine->iMode, MODE_DODGE);
  EXPECT_EQ(blow->iStatus, PROJECTILE_SPENT) << "it landed, and a swing lands once";
  EXPECT_FALSE(EffectList.empty());
}

struct CandidateCase {
  const char* name;
  int side, status, plane, invulnerable;
  bool hit;
};

// clang-format off
const CandidateCase kCandidateCases[] = {
  {"standing enemy",          SIDE_ENEMY,   STATUS_NORMAL,      2, 0, true},
  {"guarding enemy",          SIDE_ENEMY,   STATUS_GUARDING,    2, 0, true},
  {"enemy out of reach",      SIDE_ENEMY,   STATUS_UNHITTABLE,  2, 0, false},
  {"dead enemy",              SIDE_ENEMY,   STATUS_FADING,      2, 0, false},
  {"enemy on another plane",  SIDE_ENEMY,   STATUS_NORMAL,      0, 0, false},
  {"enemy between planes",    SIDE_ENEMY,   STATUS_NORMAL,      1, 0, false},
  {"enemy still flashing",    SIDE_ENEMY,   STATUS_NORMAL,      2, 1, false},
  {"riderless mount",         SIDE_NEUTRAL, STATUS_NORMAL,      2, 0, false},
  {"the heroine's own side",  SIDE_HEROINE, STATUS_NORMAL,      2, 0, false},
};
// clang-format on

TEST_F(ProjectileWorld, WhoTheHeroinesSwingMayHit) {
  heroine->iPlane = 0;  // out of her own swing's way
  for (const CandidateCase& c : kCandidateCases) {
    SCOPED_TRACE(c.name);
    auto target = AddFighter(7, c.side, 100, 2);
    target->iType = TYPE_TEMPLAR;
    target->iStatus = c.status;
    target->iPlane = c.plane;
    target->iInvulnerableCounter = c.invulnerable;
    auto swing = Swing(0, 2);
    handler.Move();
    EXPECT_EQ(swing->hits, c.hit ? 1 : 0);
    EXPECT_FLOAT_EQ(target->fHP, c.hit ? 90 : 100);
    CharacterList.remove(target);
    ProjectileList.clear();
  }
}

TEST_F(ProjectileWorld, EnemyBlowsHitTheHeroinesSideOnly) {
  auto enemy = AddFighter(3, SIDE_ENEMY, 40, 2);
  auto blow = std::make_shared<TestSwing>();
  blow->Init(3, -100, fPlaneY[2], 0, 0, 0, 2, 10, 0, 1);
  blow->iAffiliation = SIDE_ENEMY;
  blow->spentOnHit = false;
  ProjectileList.push_back(blow);
  handler.Move();
  EXPECT_FLOAT_EQ(heroine->fHP, 90);
  EXPECT_FLOAT_EQ(enemy->fHP, 100);

  // A multi-hit box stays live and lands again, unless the victim is switching planes.
  heroine->iPlane = 1;
  handler.Move();
  EXPECT_FLOAT_EQ(heroine->fHP, 90);
  heroine->iPlane = 2;
  handler.Move();
  EXPECT_FLOAT_EQ(heroine->fHP, 80);
}

TEST_F(ProjectileWorld, CircleRadiusIsTruncated) {
  auto enemy = AddFighter(1, SIDE_ENEMY, 100, 2);
  for (float distance : {10.5f, 9.5f}) {
    auto orb = std::make_shared<TestSwing>();
    orb->Init(0, 100 - distance, enemy->y, 0, 0, 0, 2, 10, 0, 0);
    orb->iType = HIT_CIRCLE;
    orb->fRadius = 10.9f;
    ProjectileList.push_back(orb);
    handler.Move();
    EXPECT_EQ(orb->hits, distance < 10 ? 1 : 0) << distance;
    ProjectileList.clear();
  }
}

TEST_F(ProjectileWorld, FinishedAndSpentBoxesAreDroppedWhileTheWalkGoesOn) {
  auto finished = Swing(5000, 2);
  finished->iStatus = PROJECTILE_FINISHED;
  auto live = Swing(5000, 2);
  auto other = Swing(5000, 2);
  other->iStatus = 2;
  auto spent = Swing(5000, 2);
  spent->iStatus = PROJECTILE_SPENT;

  handler.Move();
  ASSERT_EQ(ProjectileList.size(), 2u);
  EXPECT_EQ(ProjectileList.front(), live);
  EXPECT_EQ(ProjectileList.back(), spent);
  EXPECT_EQ(live->iDelayCounter, 1);
  EXPECT_EQ(spent->iDelayCounter, 1);
  EXPECT_EQ(other->iDelayCounter, 0);
  EXPECT_TRUE(finished->calls.empty());
}

TEST_F(ProjectileWorld, ABoxThatEndsDuringItsMoveIsNotTested) {
  auto enemy = AddFighter(1, SIDE_ENEMY, 100, 2);
  auto swing = Swing(0, 2);
  swing->finishAt = 1;
  handler.Move();
  EXPECT_EQ(swing->hits, 0);
  EXPECT_FLOAT_EQ(enemy->fHP, 100);
  EXPECT_EQ(ProjectileList.size(), 1u);
  handler.Move();
  EXPECT_TRUE(ProjectileList.empty());
}

TEST_F(ProjectileWorld, BoxesFirstThenCirclesThenPointsInOrderOfCreation) {
  const int shapes[] = {HIT_POINT, HIT_BOX, HIT_CIRCLE, HIT_BOX, HIT_POINT, HIT_CIRCLE};
  std::vector<std::shared_ptr<TestSwing>> made;
  for (int shape : shapes) {
    made.push_back(Swing(5000, 0));
    made.back()->iType = shape;
  }
  handler.Move();
  const std::vector<std::shared_ptr<TProjectile>> expected = {made[1], made[3], made[2],
                                                              made[5], made[0], made[4]};
  EXPECT_EQ(std::vector<std::shared_ptr<TProjectile>>(ProjectileList.begin(), ProjectileList.end()),
            expected);
  EXPECT_EQ(TProjectileHandler::SortType(*made[1], *made[0]), 2);
  EXPECT_EQ(TProjectileHandler::SortType(*made[0], *made[2]), -1);
}

TEST_F(ProjectileWorld, AHeroinesHitSoundsScoresThenShowsItsEffects) {
  auto enemy = AddFighter(1, SIDE_ENEMY, 100, 2);
  auto swing = Swing(0, 2, 7);
  EXPECT_FLOAT_EQ(swing->fScore, 40);  // 10 x ceil(3.5)
  handler.Move();
  const std::vector<std::string> expected = {"move", "sound", "effects"};
  EXPECT_EQ(swing->calls, expected);
  EXPECT_FLOAT_EQ(swing->scoreSeenByEffects, 40);
}

TEST_F(ProjectileWorld, ManaRefundStopsAtTheMaximum) {
  TestSwing swing;
  swing.Init(0, 0, 0, 0, 0, 0, 2, 20, 0, 1);
  heroine->fMP = 98;
  swing.MPFill();
  EXPECT_FLOAT_EQ(heroine->fMP, 100);
  heroine->fMP = 10;
  swing.MPFill();
  EXPECT_FLOAT_EQ(heroine->fMP, 14);
}

TEST_F(ProjectileWorld, HitEffectKinds) {
  TProjectile box;
  box.CreateEffect(EFFECT_KIND_RING, 1, 2, 30, 180, 3);
  box.CreateEffect(EFFECT_KIND_SLASH, 1, 2, 30, 180, 3);
  box.CreateEffect(EFFECT_KIND_SPARK, 1, 2, 30, 180, 3);
  box.CreateEffect(EFFECT_KIND_EXPLOSION, 1, 2, 30, 180, 3);
  box.CreateEffect(4, 1, 2, 30, 180, 3);
  box.CreateEffect(-1, 1, 2, 30, 180, 3);
  ASSERT_EQ(EffectList.size(), 4u);
  auto it = EffectList.begin();
  EXPECT_TRUE(std::dynamic_pointer_cast<TEffectRing>(*it++));
  auto slash = *it++;
  EXPECT_TRUE(std::dynamic_pointer_cast<TEffectSlash>(slash));
  EXPECT_FALSE(std::dynamic_pointer_cast<TEffectNormal>(slash));
  auto spark = *it++;
  EXPECT_TRUE(std::dynamic_pointer_cast<TEffectNormal>(spark));
  EXPECT_FALSE(std::dynamic_pointer_cast<TEffectExplosion>(spark));
  EXPECT_TRUE(std::dynamic_pointer_cast<TEffectExplosion>(*it));
  for (const auto& e : EffectList) {
    EXPECT_EQ(e->iLayer, 0);
    EXPECT_EQ(e->iFacing, 180);
    EXPECT_EQ(e->iPlane, 3);
    EXPECT_FLOAT_EQ(e->fAngle, 30);
    EXPECT_EQ(e->iMode, EFFECT_ALIVE);
  }
}

TEST_F(ProjectileWorld, DrawsOnlyItsLayerAndPlaneAndClearEmpties) {
  auto swing = Swing(0, 2);
  swing->iLayer = 1;
  for (int plane = 0; plane <= 4; ++plane) {
    handler.Draw(0, plane);
    handler.Draw(1, plane == 2 ? 0 : plane);
  }
  EXPECT_TRUE(swing->calls.empty());
  handler.Draw(1, 2);
  EXPECT_EQ(swing->calls, std::vector<std::string>{"draw"});

  swing->iDelayCounter = 1200;
  swing->Move();
  EXPECT_EQ(swing->iDelayCounter, 1);

  handler.Clear();
  EXPECT_TRUE(ProjectileList.empty());
}

}  // namespace
