#pragma once
// The manifest: every picture, font and sound the game loads, in the game's loading order. The
// generator draws each picture to its row, and the game's catalogue is written from the same
// rows, so the two can never disagree.

#include <array>

#include "art/art.h"
#include "font_sources.h"

namespace manifest {

enum Format { kRgba, kRgb, kJpeg };
// How the frames lie in the file: side by side; rows of five; side by side with five spare rows
// of transparent pixels at the bottom.
enum Sheet { kStrip, kGrid5, kPad5 };

// A frame width and height of kFit let the generator size the frames and place the pivot so that
// every frame of the strip holds its whole drawing with a small margin; the painter draws around
// the pivot as usual (for a figure, its feet), and the written pivot keeps that point.
inline constexpr int kFit = 0;

struct ImageRow {
  const char* file;
  int frameWidth;
  int frameHeight;
  int frames;
  int handleX;  // the pivot, from the frame's top-left corner; may lie outside the frame
  int handleY;
  Format format;
  Sheet sheet;
  art::Painter draw;
};

namespace detail {
using K = art::Kind;
using R = art::Role;
using art::Actor;

// Characters and mounts stand on their pivot; sparks, rings and spheres are centred on it;
// backgrounds hang from the top-left; full-width title pictures from the middle of the top edge.
// clang-format off
inline constexpr std::array<ImageRow, 238> kImages = {{
    // file                                     width height n   handle x  y  format  sheet  painter
    // Interface and title screen
    {"GUI/Go.png",                                 150,   70,  1,    0,    0, kRgba, kStrip, art::Go},
    {"GUI/ContinueCursor.png",                      16,   20,  1,    0,    0, kRgba, kStrip, art::ContinueCursor},
    {"GUI/StageClear.png",                         502,   32,  1,  251,    0, kRgba, kStrip, art::StageClear},
    {"GUI/Portrait.png",                            96,   96,  1,    0,    0, kRgba, kStrip, art::Portrait},
    {"GUI/BarBorder.png",                          206,   12,  1,    0,    0, kRgba, kStrip, art::BarBorder},
    {"GUI/BarBorderBoss.png",                      810,   16,  1,    0,    0, kRgba, kStrip, art::BarBorderBoss},
    {"GUI/Highlight.png",                          300,   28,  1,  150,    0, kRgba, kStrip, art::Highlight},
    {"GUI/GameTitle.png",                          780,  560,  1,  400,    0, kRgba, kStrip, art::GameTitle},
    {"GUI/OstrakinSplash.png",                     480,  240,  1,  240,  120, kRgba, kStrip, art::MakerSplash},
    {"GUI/MenuBackdrop.png",                      1366,  768,  1,  683,    0, kRgb , kStrip, art::MenuBackdrop},
    {"GUI/ConfigRow.png",                          760,   40,  1,  380,    6, kRgba, kStrip, art::ConfigRow},
    {"GUI/MainTitleSky.png",                      1366,  768,  1,  683,    0, kRgb , kStrip, art::TitleSky},
    {"GUI/MainTitleSun.png",                       360,  360,  1,  180,  180, kRgba, kStrip, art::TitleSun},
    {"GUI/MainTitleHills.png",                    1366,  468,  1,  683,    0, kRgba, kStrip, art::TitleHills},
    {"GUI/MainTitleGreatCloud.png",               1240,  300,  1,    0,    0, kRgba, kStrip, art::TitleGreatCloud},
    {"GUI/MainTitleCloud1.png",                    360,  180,  1,  180,   90, kRgba, kStrip, art::TitleCloud1},
    {"GUI/MainTitleCloud2.png",                    300,  160,  1,  150,   80, kRgba, kStrip, art::TitleCloud2},
    {"GUI/MainTitleCloud3.png",                    420,  200,  1,  210,  100, kRgba, kStrip, art::TitleCloud3},
    {"GUI/Map.png",                               1366,  440,  1,    0,    0, kRgb , kStrip, art::Map},
    {"GUI/MapIcon.png",                             52,   48,  1,   26,   24, kRgba, kStrip, art::MapIcon},
    // Heroine on foot
    {"sprites/MomoStance.png",                      85,  180,  4,   40,  175, kRgba, kStrip, Actor<K::Momo, R::Stance>},
    {"sprites/MomoKnockup.png",                     kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Knockup>},
    {"sprites/MomoKnockdown2.png",                  kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Knockdown2>},
    {"sprites/MomoKnockout2.png",                   kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Knockout2>},
    {"sprites/MomoStrikeThrough.png",               kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::StrikeThrough>},
    {"sprites/MomoEruptionPrepare.png",             kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::EruptionPrepare>},
    {"sprites/MomoEruption.png",                    kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Eruption>},
    {"sprites/MomoEruptionEffect.png",             195,  270,  6,  -45,  265, kRgba, kStrip, art::MomoEruptionEffect},
    {"sprites/MomoThrowFront.png",                  kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::ThrowFront>},
    {"sprites/MomoDash.png",                        kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Dash>},
    {"sprites/MomoDashAttack.png",                  kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::DashAttack>},
    {"sprites/MomoDashAttackEffect.png",            kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::MomoDashAttackEffect},
    {"sprites/MomoMoonSlasher.png",                 kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::MoonSlasher>},
    {"sprites/MomoJumpMoonSlasher.png",             kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpMoonSlasher>},
    {"sprites/MomoMoonSlasherEffect.png",           kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::MomoMoonSlasherEffect},
    {"sprites/MomoPsychoSpherePrepare.png",         kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::PsychoSpherePrepare>},
    {"sprites/MomoPsychoSphere.png",                kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::PsychoSphere>},
    {"sprites/MomoRun.png",                        130,  180, 10,   55,  175, kRgba, kStrip, Actor<K::Momo, R::Run>},
    {"sprites/MomoJumpCrouch.png",                  kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpCrouch>},
    {"sprites/MomoJumpUp.png",                     100,  190,  3,   40,  175, kRgba, kPad5 , Actor<K::Momo, R::JumpUp>},
    {"sprites/MomoJumpPeak.png",                    kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpPeak>},
    {"sprites/MomoJumpDown.png",                    kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpDown>},
    {"sprites/MomoRunBreak.png",                    kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::RunBreak>},
    {"sprites/MomoAttack1.png",                    190,  180,  4,  125,  175, kRgba, kStrip, Actor<K::Momo, R::Attack1>},
    {"sprites/MomoAttack1Effect.png",              280,   60,  4,  125,  120, kRgba, kStrip, art::MomoAttack1Effect},
    {"sprites/MomoAttack2.png",                     kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Attack2>},
    {"sprites/MomoAttack2Effect.png",               kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::MomoAttack2Effect},
    {"sprites/MomoAttack3.png",                     kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Attack3>},
    {"sprites/MomoAttack3Effect.png",               kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::MomoAttack3Effect},
    {"sprites/MomoAttack4.png",                     kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Attack4>},
    {"sprites/MomoAttack4Effect.png",               kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::MomoAttack4Effect},
    {"sprites/MomoJumpAttack1.png",                 kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpAttack1>},
    {"sprites/MomoJumpAttack2.png",                 kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpAttack2>},
    {"sprites/MomoJumpAttack4.png",                 kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpAttack4>},
    {"sprites/MomoUpAttack.png",                    kFit, kFit,  6, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::UpAttack>},
    {"sprites/MomoUpAttackEffect.png",              kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::MomoUpAttackEffect},
    {"sprites/MomoHitUp.png",                       kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::HitUp>},
    {"sprites/MomoHitLow.png",                      kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::HitLow>},
    {"sprites/MomoPlaneSwitch.png",                 kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::PlaneSwitch>},
    {"sprites/MomoJumpKick.png",                    kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpKick>},
    {"sprites/MomoJumpKickLand.png",                kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::JumpKickLand>},
    {"sprites/MomoGrapple.png",                     kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Grapple>},
    {"sprites/MomoGrappleAttack1.png",              kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::GrappleAttack1>},
    {"sprites/MomoGrappleAttack2.png",              kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::GrappleAttack2>},
    {"sprites/MomoThrow.png",                       kFit, kFit,  6, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Throw>},
    {"sprites/MomoThrowDone.png",                   kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::ThrowDone>},
    {"sprites/MomoKnockDown.png",                   kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::Knockdown>},
    {"sprites/MomoKnockout.png",                   190,   55,  4,  105,   35, kRgba, kStrip, Actor<K::Momo, R::Knockout>},
    {"sprites/MomoWakeUp.png",                      kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Momo, R::WakeUp>},
    // Heroine riding the dragon
    {"sprites/MomoDraconStand.png",                390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Stand>},
    {"sprites/MomoDraconStance.png",               390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Stance>},
    {"sprites/MomoDraconWalk.png",                 390,  265,  6,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Walk>},
    {"sprites/MomoDraconPlaneSwitch.png",          390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::PlaneSwitch>},
    {"sprites/MomoDraconRun.png",                  390,  265,  8,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Run>},
    {"sprites/MomoDraconDash.png",                 390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Dash>},
    {"sprites/MomoDraconHitUp.png",                390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::HitUp>},
    {"sprites/MomoDraconHitLow.png",               390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::HitLow>},
    {"sprites/MomoDraconAttack1Prepare.png",       390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Attack1Prepare>},
    {"sprites/MomoDraconFireball.png",             390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Fireball>},
    {"sprites/MomoDraconAttack1.png",              390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Attack1>},
    {"sprites/MomoDraconAttack2Prepare.png",       390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Attack2Prepare>},
    {"sprites/MomoDraconAttack2.png",              390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::Attack2>},
    {"sprites/MomoDraconJumpUp.png",               390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::JumpUp>},
    {"sprites/MomoDraconJumpPeak.png",             390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::JumpPeak>},
    {"sprites/MomoDraconJumpDown.png",             390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::JumpDown>},
    {"sprites/MomoDraconJumpAttack1Prepare.png",   390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::JumpAttack1Prepare>},
    {"sprites/MomoDraconJumpAttack1.png",          390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::JumpAttack1>},
    {"sprites/MomoDraconJumpFireball.png",         390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::MomoDracon, R::JumpFireball>},
    // Necromancer
    {"sprites/NecromancerStance.png",              195,  220,  3,   90,  215, kRgba, kStrip, Actor<K::Necromancer, R::Stance>},
    {"sprites/NecromancerPlaneSwitch.png",        kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::PlaneSwitch>},
    {"sprites/NecromancerWalk.png",               kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Walk>},
    {"sprites/NecromancerSkull.png",              kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Skull>},
    {"sprites/NecromancerSkullProjectile.png",      64,   64,  3,   32,   32, kRgba, kStrip, art::NecromancerSkullProjectile},
    {"sprites/NecromancerAttack1.png",            kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Attack1>},
    {"sprites/NecromancerAttack1Effect.png",        90,  195,  3,  -65,  255, kRgba, kStrip, art::NecromancerAttack1Effect},
    {"sprites/NecromancerAttack2.png",            kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Attack2>},
    {"sprites/NecromancerAttack2Effect.png",       130,  200,  3,  -40,  240, kRgba, kStrip, art::NecromancerAttack2Effect},
    {"sprites/NecromancerHitUp.png",              kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::HitUp>},
    {"sprites/NecromancerHitLow.png",             kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::HitLow>},
    {"sprites/NecromancerKnockdown.png",          kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Knockdown>},
    {"sprites/NecromancerKnockOut.png",           kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Knockout>},
    {"sprites/NecromancerWakeUp.png",             kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::WakeUp>},
    {"sprites/NecromancerThrown.png",             kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::Thrown>},
    {"sprites/NecromancerBeingThrown.png",        kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Necromancer, R::BeingThrown>},
    // Templar
    {"sprites/TemplarStance.png",                 kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Stance>},
    {"sprites/TemplarBlock.png",                  kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Block>},
    {"sprites/TemplarPlaneSwitch.png",            kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::PlaneSwitch>},
    {"sprites/TemplarWalk.png",                   kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Walk>},
    {"sprites/TemplarRun.png",                    kFit, kFit,  6, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Run>},
    {"sprites/TemplarDash.png",                   kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Dash>},
    {"sprites/TemplarAttack1.png",                kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Attack1>},
    {"sprites/TemplarAttack1Effect.png",           300,  230,  3,   40,  220, kRgba, kStrip, art::TemplarAttack1Effect},
    {"sprites/TemplarAttack2.png",                kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Attack2>},
    {"sprites/TemplarAttack2Effect.png",           320,  200,  4,   40,  190, kRgba, kStrip, art::TemplarAttack2Effect},
    {"sprites/TemplarAttack3.png",                kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Attack3>},
    {"sprites/TemplarAttack3Effect.png",           320,  250,  3,   60,  240, kRgba, kStrip, art::TemplarAttack3Effect},
    {"sprites/TemplarHitUp.png",                  kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::HitUp>},
    {"sprites/TemplarHitLow.png",                 kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::HitLow>},
    {"sprites/TemplarKnockdown.png",              kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Knockdown>},
    {"sprites/TemplarKnockOut.png",               kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Knockout>},
    {"sprites/TemplarWakeUp.png",                 kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::WakeUp>},
    {"sprites/TemplarThrown.png",                 kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::Thrown>},
    {"sprites/TemplarBeingThrown.png",            kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Templar, R::BeingThrown>},
    // Raider
    {"sprites/RaiderStance.png",                   225,  220,  3,  120,  275, kRgba, kStrip, Actor<K::Raider, R::Stance>},
    {"sprites/RaiderPlaneSwitch.png",             kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::PlaneSwitch>},
    {"sprites/RaiderAttack3.png",                 kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::Attack3>},
    {"sprites/RaiderAttack3Effect.png",            420,  340,  4,  160,  320, kRgba, kStrip, art::RaiderAttack3Effect},
    {"sprites/RaiderDash.png",                    kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::Dash>},
    {"sprites/RaiderBlock.png",                   kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::Block>},
    {"sprites/RaiderRun.png",                     kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::Run>},
    {"sprites/RaiderHitUp.png",                   kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::HitUp>},
    {"sprites/RaiderHitDown.png",                 kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::HitLow>},
    {"sprites/RaiderKnockdown.png",               kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::Knockdown>},
    {"sprites/RaiderKnockout.png",                kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::Knockout>},
    {"sprites/RaiderWakeUp.png",                  kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Raider, R::WakeUp>},
    // Executioner
    {"sprites/ExecutionerStance.png",             kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Stance>},
    {"sprites/ExecutionerGrappleMomo.png",        kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::GrappleMomo>},
    {"sprites/ExecutionerThrow.png",              kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Throw>},
    {"sprites/ExecutionerPlaneSwitch.png",        kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::PlaneSwitch>},
    {"sprites/ExecutionerWalk.png",               kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Walk>},
    {"sprites/ExecutionerRun.png",                kFit, kFit,  6, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Run>},
    {"sprites/ExecutionerAttack1.png",            kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Attack1>},
    {"sprites/ExecutionerAttack1Effect.png",       320,  250,  4,   40,  240, kRgba, kStrip, art::ExecutionerAttack1Effect},
    {"sprites/ExecutionerAttack2.png",            kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Attack2>},
    {"sprites/ExecutionerAttack2Effect.png",       320,  200,  4,   40,  190, kRgba, kStrip, art::ExecutionerAttack2Effect},
    {"sprites/ExecutionerAttack3.png",            kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Attack3>},
    {"sprites/ExecutionerAttack3Effect.png",       340,  270,  4,   50,  260, kRgba, kStrip, art::ExecutionerAttack3Effect},
    {"sprites/ExecutionerHitUp.png",              kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::HitUp>},
    {"sprites/ExecutionerHitLow.png",             kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::HitLow>},
    {"sprites/ExecutionerKnockdown.png",          kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Knockdown>},
    {"sprites/ExecutionerKnockOut.png",           kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Knockout>},
    {"sprites/ExecutionerWakeUp.png",             kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::WakeUp>},
    {"sprites/ExecutionerThrown.png",             kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::Thrown>},
    {"sprites/ExecutionerBeingThrown.png",        kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Executioner, R::BeingThrown>},
    // Spearman
    {"sprites/SpearmanStance.png",                kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Stance>},
    {"sprites/SpearmanPlaneSwitch.png",           kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::PlaneSwitch>},
    {"sprites/SpearmanWalk.png",                  kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Walk>},
    {"sprites/SpearmanRun.png",                   kFit, kFit,  6, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Run>},
    {"sprites/SpearmanAttack1.png",               kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Attack1>},
    {"sprites/SpearmanHitUp.png",                 kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::HitUp>},
    {"sprites/SpearmanHitLow.png",                kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::HitLow>},
    {"sprites/SpearmanKnockdown.png",             kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Knockdown>},
    {"sprites/SpearmanKnockOut.png",              kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Knockout>},
    {"sprites/SpearmanWakeUp.png",                kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::WakeUp>},
    {"sprites/SpearmanThrown.png",                kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::Thrown>},
    {"sprites/SpearmanBeingThrown.png",           kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Spearman, R::BeingThrown>},
    // Saberman
    {"sprites/SabermanStance.png",                kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::Stance>},
    {"sprites/SabermanWalk.png",                  kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::Walk>},
    {"sprites/SabermanHitUp.png",                 kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::HitUp>},
    {"sprites/SabermanHitLow.png",                kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::HitLow>},
    {"sprites/SabermanKnockdown.png",             kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::Knockdown>},
    {"sprites/SabermanBeingThrown.png",           kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::BeingThrown>},
    {"sprites/SabermanKnockOut.png",              kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::Knockout>},
    {"sprites/SabermanAttack1.png",               kFit, kFit,  4, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::Attack1>},
    {"sprites/SabermanAttack1Effect.png",          280,  220,  3,   40,  210, kRgba, kStrip, art::SabermanAttack1Effect},
    {"sprites/SabermanPlaneSwitch.png",           kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::PlaneSwitch>},
    {"sprites/SabermanThrown.png",                kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::Thrown>},
    {"sprites/SabermanWakeUp.png",                kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::Saberman, R::WakeUp>},
    // Dark Knight
    {"sprites/DarkKnightStance.png",               190,  235,  3,  100,  225, kRgba, kStrip, Actor<K::DarkKnight, R::Stance>},
    {"sprites/DarkKnightGrappleMomo.png",         kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::GrappleMomo>},
    {"sprites/DarkKnightThrowMomo.png",           kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::ThrowMomo>},
    {"sprites/DarkKnightPlaneSwitch.png",         kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::PlaneSwitch>},
    {"sprites/DarkKnightSpiritCut.png",           kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::SpiritCut>},
    {"sprites/DarkKnightSpiritCutEffect.png",     kFit, kFit,  4, kFit, kFit, kRgba, kStrip, art::DarkKnightSpiritCutEffect},
    {"sprites/DarkKnightSpiritSlasher.png",       kFit, kFit,  3, kFit, kFit, kRgba, kStrip, art::DarkKnightSpiritSlasher},
    {"sprites/DarkKnightWalk.png",                kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::Walk>},
    {"sprites/DarkKnightAttack.png",              kFit, kFit,  5, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::Attack>},
    {"sprites/DarkKnightAttack1.png",             kFit, kFit,  3, kFit, kFit, kRgba, kStrip, art::DarkKnightAttack1Trail},
    {"sprites/DarkKnightAttack2.png",             kFit, kFit,  3, kFit, kFit, kRgba, kStrip, art::DarkKnightAttack2Trail},
    {"sprites/DarkKnightHitLow.png",              kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::HitLow>},
    {"sprites/DarkKnightHitUp.png",               kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::HitUp>},
    {"sprites/DarkKnightBeingThrown.png",         kFit, kFit,  3, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::BeingThrown>},
    {"sprites/DarkKnightKnockdown.png",           kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::Knockdown>},
    {"sprites/DarkKnightKnockout.png",            kFit, kFit,  1, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::Knockout>},
    {"sprites/DarkKnightWakeUp.png",              kFit, kFit,  2, kFit, kFit, kRgba, kStrip, Actor<K::DarkKnight, R::WakeUp>},
    // Dragon mount and flying dragon
    {"sprites/DraconStance.png",                   390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Stance>},
    {"sprites/DraconHeavyAttack.png",              390,  265,  4,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::HeavyAttack>},
    {"sprites/DraconDash.png",                     390,  265,  1,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Dash>},
    {"sprites/DraconWalk.png",                     390,  265,  6,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Walk>},
    {"sprites/DraconRun.png",                      390,  265,  8,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Run>},
    {"sprites/DraconHit.png",                      390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Hit>},
    {"sprites/DraconIdle.png",                     390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Idle>},
    {"sprites/DraconStand.png",                    390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::Stand>},
    {"sprites/DraconJumpUp.png",                   390,  265,  1,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::JumpUp>},
    {"sprites/DraconJumpPeak.png",                 390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::JumpPeak>},
    {"sprites/DraconJumpDown.png",                 390,  265,  1,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::JumpDown>},
    {"sprites/DraconJumpAttack1Prepare.png",       390,  265,  2,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::JumpAttack1Prepare>},
    {"sprites/DraconPlaneSwitch.png",              390,  265,  3,  170,  260, kRgba, kStrip, Actor<K::Dracon, R::PlaneSwitch>},
    {"sprites/ZellenithFly.png",                   420,  300,  3,  210,  150, kRgba, kStrip, Actor<K::Zellenith, R::Fly>},
    // Effects
    {"sprites/EffectUltima.png",                   256,  256,  1,  128,  128, kRgba, kStrip, art::EffectUltima},
    {"sprites/EffectUltimaBlast.png",              128,   64,  1,   64,   32, kRgba, kStrip, art::EffectUltimaBlast},
    {"sprites/EffectGreenSphere.png",              200,  200,  1,  100,  100, kRgba, kStrip, art::EffectGreenSphere},
    {"sprites/MoonSlasher.png",                    120,  160,  1,   60,   80, kRgba, kStrip, art::MoonSlasher},
    {"sprites/BishopPlaneSwitch.png",              200,  240,  3,  100,  225, kRgba, kStrip, art::BishopPlaneSwitch},
    {"sprites/Dust.png",                           120,   80,  1,   60,   70, kRgba, kStrip, art::Dust},
    {"sprites/EffectRing.png",                     128,  128,  1,   64,   64, kRgba, kStrip, art::EffectRing},
    {"sprites/HitNormal.png",                      261,  262,  6,  130,  131, kRgba, kStrip, art::HitNormal},
    {"sprites/HitSlash.png",                       280,   30,  4,  140,   15, kRgba, kStrip, art::HitSlash},
    {"sprites/Shadow.png",                         200,   70,  1,  100,   35, kRgba, kStrip, art::Shadow},
    {"effects/MagicCircle.png",                    256,  128,  4,  128,   64, kRgba, kStrip, art::MagicCircle},
    {"effects/Explosion.png",                      100,  100, 15,   50,   50, kRgba, kGrid5, art::Explosion},
    {"sprites/EffectPurpleSphere.png",             128,  128,  1,   64,   64, kRgba, kStrip, art::EffectPurpleSphere},
    // Cutscenes and stages
    {"Skill List - Momo.jpg",                     1366,  768,  1,  683,    0, kJpeg, kStrip, art::SkillList},
    {"cutscenes/ArtMomoStageIntermission.png",     560,  768,  1,    0,    0, kRgba, kStrip, art::IntermissionArt},
    {"cutscenes/GreenBGHorizontal.png",           1366,  520,  1,    0,    0, kRgb , kStrip, art::GreenBackdrop},
    {"cutscenes/MotionBlurGreen.png",              600,   40,  1,    0,    0, kRgba, kStrip, art::MotionBlurGreen},
    {"stage/WildernessMoon.png",                   400,  400,  1,  200,  200, kRgba, kStrip, art::WildernessMoon},
    {"stage/CastleSky.png",                       1366, 1000,  1,    0,    0, kRgb , kStrip, art::CastleSky},
    {"stage/CastleCloud.png",                      800,  200,  1,    0,    0, kRgba, kStrip, art::CastleCloud},
    {"stage/CastleHill.png",                      1000,  320,  1,    0,    0, kRgba, kStrip, art::CastleHill},
    {"stage/CastleWall.png",                      1600,  320,  1,    0,    0, kRgba, kStrip, art::CastleWall},
    {"stage/CastleSmoke.png",                      256,  256,  1,  128,  128, kRgba, kStrip, art::CastleSmoke},
    {"stage/CastleFloor.png",                      840,  280,  1,    0,    0, kRgba, kStrip, art::CastleFloor},
    {"stage/CastleGround.png",                    1000,  200,  1,    0,    0, kRgba, kStrip, art::CastleGround},
    {"stage/CastleGround2.png",                   1000,  200,  1,    0,    0, kRgba, kStrip, art::CastleGround2},
    {"stage/CastleLightPillar.png",                320,  480,  1,  160,    0, kRgba, kStrip, art::CastleLightPillar},
    {"stage/CastleLightPillarGlow.png",            320,  140,  1,  160, -320, kRgba, kStrip, art::CastleLightPillarGlow},
    {"stage/CastleGroundFire.png",                1000,  200,  2,    0,    0, kRgba, kStrip, art::CastleGroundFire},
}};
// clang-format on
}  // namespace detail

using detail::kImages;
static_assert(kImages.size() == 238);

// The groups of the contact sheets: a name and the index of the group's first row.
struct Group {
  const char* name;
  int first;
};
inline constexpr std::array<Group, 13> kGroups = {{
    {"interface", 0},
    {"heroine", 18},
    {"heroine-dragon", 67},
    {"necromancer", 86},
    {"templar", 102},
    {"raider", 121},
    {"executioner", 133},
    {"spearman", 152},
    {"saberman", 164},
    {"darkknight", 176},
    {"dragon", 193},
    {"effects", 207},
    {"stages", 220},
}};

// The window icon, carried inside the program like the sprites but not part of the catalogue.
inline constexpr ImageRow kIcon = {"icon.png", 64, 64, 1, 0, 0, kRgba, kStrip, art::WindowIcon};

struct FontRow {
  const char* global;
  const char* file;  // as the game opens it, relative to its working directory
  int size;
  int style;
  const char* source;  // the Debian package's file it is copied from
};

// clang-format off
inline constexpr std::array<FontRow, 6> kFonts = {{
    // global           file                              size style source
    {"fntDomoai36",     "Fonts\\DOMOAI__.TTF",            36,  5,    fonts::kSpartanBold},
    {"fntProciono18",   "Fonts\\Prociono-Regular.otf",    18,  4,    fonts::kProciono},
    {"fntProciono22",   "Fonts\\Prociono-Regular.otf",    22,  5,    fonts::kProciono},
    {"fntProciono14",   "Fonts\\Prociono-Regular.otf",    14,  4,    fonts::kProciono},
    {"fntProciono24",   "Fonts\\Prociono-Regular.otf",    24,  4,    fonts::kProciono},
    {"fntMincho23",     "Fonts\\msmincho.ttc",            23,  4,    fonts::kIpaMincho},
}};
// clang-format on

// The sound effects, in loading order. The audio side of the generator writes them.
inline constexpr std::array<const char*, 41> kSounds = {
    "sounds\\BonusLive.ogg",
    "sounds\\TVbeep-3.ogg",
    "sounds\\TVConfirmMetalHit.ogg",
    "sounds\\TVNakedStep1.ogg",
    "sounds\\TVNakedStep2.ogg",
    "sounds\\step1.ogg",
    "sounds\\step2.ogg",
    "sounds\\DraconStep1.ogg",
    "sounds\\TVPlaneSwitch.ogg",
    "sounds\\grab.ogg",
    "sounds\\TVSwingSword1.ogg",
    "sounds\\TVSwingSword2.ogg",
    "sounds\\TVSwingSword3.ogg",
    "sounds\\TVSelectPon.ogg",
    "sounds\\Swing1.ogg",
    "sounds\\Swing2.ogg",
    "sounds\\Swing3.ogg",
    "sounds\\Swing4.ogg",
    "sounds\\HitLow1.ogg",
    "sounds\\HitLow2.ogg",
    "sounds\\HitMed.ogg",
    "sounds\\HitHi1.ogg",
    "sounds\\HitHi2.ogg",
    "sounds\\HitHi3.ogg",
    "sounds\\Slash1.ogg",
    "sounds\\Slash2.ogg",
    "sounds\\Slash3.ogg",
    "sounds\\SlashHeavy2.ogg",
    "sounds\\SlashHeavy3.ogg",
    "sounds\\MetalBlock1.ogg",
    "sounds\\MetalBlock2.ogg",
    "sounds\\MetalBlock3.ogg",
    "sounds\\NecromancerSkull.ogg",
    "sounds\\NecromancerSkull2.ogg",
    "sounds\\NecromancerSkullHit.ogg",
    "sounds\\MoonSlasher.ogg",
    "sounds\\Explosion1.ogg",
    "sounds\\MoonSphere.ogg",
    "sounds\\SpecialFlash.ogg",
    "sounds\\BodySlam1.ogg",
    "sounds\\BodySlam2.ogg",
};

}  // namespace manifest
