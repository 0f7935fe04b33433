#pragma once
// Every painter the manifest names: characters by kind and role, effects, backgrounds and the
// interface pieces.

#include "art/canvas.h"

namespace art {

// ---- Characters ---------------------------------------------------------------------------------

enum class Kind {
  Momo,
  Necromancer,
  Templar,
  Raider,
  Executioner,
  Spearman,
  Saberman,
  DarkKnight,
  Dracon,      // the dragon mount alone
  MomoDracon,  // the heroine riding it
  Zellenith,   // the flying dragon of the cutscenes
};

// What a strip shows. Roles shared by several kinds use the same poses for all of them.
enum class Role {
  Stance,
  Walk,
  Run,
  RunBreak,
  Dash,
  PlaneSwitch,
  Block,
  Idle,
  Stand,
  Fly,
  Hit,
  HitUp,
  HitLow,
  Knockup,
  Knockdown,
  Knockdown2,
  Knockout,
  Knockout2,
  WakeUp,
  Thrown,
  BeingThrown,
  JumpCrouch,
  JumpUp,
  JumpPeak,
  JumpDown,
  Attack,
  Attack1,
  Attack2,
  Attack3,
  Attack4,
  DashAttack,
  UpAttack,
  HeavyAttack,
  JumpAttack1,
  JumpAttack2,
  JumpAttack4,
  JumpKick,
  JumpKickLand,
  Attack1Prepare,
  Attack2Prepare,
  JumpAttack1Prepare,
  Fireball,
  JumpFireball,
  Grapple,
  GrappleAttack1,
  GrappleAttack2,
  Throw,
  ThrowDone,
  ThrowFront,
  GrappleMomo,
  ThrowMomo,
  StrikeThrough,
  EruptionPrepare,
  Eruption,
  MoonSlasher,
  JumpMoonSlasher,
  PsychoSpherePrepare,
  PsychoSphere,
  Skull,
  SpiritCut,
};

void PaintActor(const Frame& f, Kind kind, Role role);
template <Kind K, Role R>
void Actor(const Frame& f) {
  PaintActor(f, K, R);
}

// ---- Effects ------------------------------------------------------------------------------------

void MomoEruptionEffect(const Frame& f);
void MomoDashAttackEffect(const Frame& f);
void MomoMoonSlasherEffect(const Frame& f);
void MomoAttack1Effect(const Frame& f);
void MomoAttack2Effect(const Frame& f);
void MomoAttack3Effect(const Frame& f);
void MomoAttack4Effect(const Frame& f);
void MomoUpAttackEffect(const Frame& f);
void NecromancerSkullProjectile(const Frame& f);
void NecromancerAttack1Effect(const Frame& f);
void NecromancerAttack2Effect(const Frame& f);
void TemplarAttack1Effect(const Frame& f);
void TemplarAttack2Effect(const Frame& f);
void TemplarAttack3Effect(const Frame& f);
void RaiderAttack3Effect(const Frame& f);
void ExecutionerAttack1Effect(const Frame& f);
void ExecutionerAttack2Effect(const Frame& f);
void ExecutionerAttack3Effect(const Frame& f);
void SabermanAttack1Effect(const Frame& f);
void DarkKnightSpiritCutEffect(const Frame& f);
void DarkKnightSpiritSlasher(const Frame& f);
void DarkKnightAttack1Trail(const Frame& f);
void DarkKnightAttack2Trail(const Frame& f);
void EffectUltima(const Frame& f);
void EffectUltimaBlast(const Frame& f);
void EffectGreenSphere(const Frame& f);
void EffectPurpleSphere(const Frame& f);
void MoonSlasher(const Frame& f);
void BishopPlaneSwitch(const Frame& f);
void Dust(const Frame& f);
void EffectRing(const Frame& f);
void HitNormal(const Frame& f);
void HitSlash(const Frame& f);
void Shadow(const Frame& f);
void MagicCircle(const Frame& f);
void Explosion(const Frame& f);

// ---- Interface and title ------------------------------------------------------------------------

void Go(const Frame& f);
void ContinueCursor(const Frame& f);
void StageClear(const Frame& f);
void Portrait(const Frame& f);
void BarBorder(const Frame& f);
void BarBorderBoss(const Frame& f);
void Highlight(const Frame& f);
void GameTitle(const Frame& f);
void MakerSplash(const Frame& f);
void MenuBackdrop(const Frame& f);
void ConfigRow(const Frame& f);
void TitleSky(const Frame& f);
void TitleSun(const Frame& f);
void TitleHills(const Frame& f);
void TitleGreatCloud(const Frame& f);
void TitleCloud1(const Frame& f);
void TitleCloud2(const Frame& f);
void TitleCloud3(const Frame& f);
void Map(const Frame& f);
void MapIcon(const Frame& f);
void WindowIcon(const Frame& f);

// ---- Cutscenes and stages -----------------------------------------------------------------------

void SkillList(const Frame& f);
void IntermissionArt(const Frame& f);
void GreenBackdrop(const Frame& f);
void MotionBlurGreen(const Frame& f);
void WildernessMoon(const Frame& f);
void CastleSky(const Frame& f);
void CastleCloud(const Frame& f);
void CastleHill(const Frame& f);
void CastleWall(const Frame& f);
void CastleSmoke(const Frame& f);
void CastleFloor(const Frame& f);
void CastleGround(const Frame& f);
void CastleGround2(const Frame& f);
void CastleLightPillar(const Frame& f);
void CastleLightPillarGlow(const Frame& f);
void CastleGroundFire(const Frame& f);

}  // namespace art
