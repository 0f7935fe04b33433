#include "segments/cutscenes.h"

#include "heroine/cutscene_momo.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/spawn.h"

namespace {

constexpr float kCutsceneLength = 2000;
constexpr int kMapStillFrames = 80;  // before the icon sets off, and after it arrives
constexpr float kIconSpeed = 6;

// clang-format off
constexpr MapLeg kLegs[] = {
  // heading  start x  start y  ends on x  end x  end y
  {  25,      -220,    350,     false,     0,     400 },  // TCutsceneMap1
  { -30,      -112,    400,     true,      0,     0   },  // TCutsceneMap2
  {  10,         0,    334,     true,      150,   0   },  // TCutsceneMap3
  { -50,       150,    361,     true,      200,   0   },  // TCutsceneMap4
};
// clang-format on

}  // namespace

// ---- TCutscene ----------------------------------------------------------------------------------

void TCutscene::Move() {
  SegmentManager();
  // In slow motion the scene moves on every third frame only.
  if (bSlowMotion == 0 || ++iSlowMotionCounter % 3 == 0) {
    MoveDelayCounter();
    MoveSegment();
  }
  FadeStep();
}

void TCutscene::MoveDelayCounter() { iDelayCounter = NextDelayCounter(iDelayCounter); }

void TCutscene::StartCutscene(std::array<std::shared_ptr<TCharacter>, 1>& stand_in) {
  fWorldX = 0;
  fWorldY = 0;
  Restart();
  for (const std::shared_ptr<TCharacter>& c : CharacterList) c->SetMode(MODE_INACTIVE);
  iDelayCounter = 0;
  fStageLength = kCutsceneLength;
  fScrollLimitX = 0;
  fScrollLockX = 0;
  auto copy = std::make_shared<TNPCCutsceneMomo>();
  copy->Init(CODE_PLAYER_NONE, 1);
  CharacterList.push_back(copy);
  copy->ResetGameData();
  copy->SetMode(MODE_INACTIVE);
  stand_in[0] = copy;
}

// ---- The skill list -----------------------------------------------------------------------------

void TCutsceneSkillList::InitSegment() { StartCutscene(NPCCutscene); }

void TCutsceneSkillList::SegmentManager() {
  switch (iSegmentCounter) {
    case 0: {
      // It reads her controls itself: nothing else polls them during a cutscene.
      TGameInput* input = nullptr;
      if (Momo && Momo->iCodePlayer >= 0 &&
          Momo->iCodePlayer < static_cast<int>(GameInput.size())) {
        input = GameInput[Momo->iCodePlayer].get();
      }
      if (!input) break;
      input->CheckInput();
      // A release only counts once the picture is fully in view.
      if (input->ButtonPress(ACTION_ATTACK, INPUT_RELEASED) == 1 && fAlphaFade <= 0) {
        ++iSegmentCounter;
        bFade = 1;
      }
      break;
    }
    case 1:
      HandleFadeTransition();
      break;
    default:
      break;
  }
}

void TCutsceneSkillList::Draw() {
  DrawImage(imgSkillListMomo, ViewX(fScreenWidth / 2), ViewY(0), 0);
}

// ---- The map ------------------------------------------------------------------------------------

void TCutsceneMap1::MoveIcon() {
  xIcon += static_cast<float>(Cos(fIconAngle) * fIconSpeed);
  yIcon += static_cast<float>(Sin(fIconAngle) * fIconSpeed);
}

void TCutsceneMap1::StartLeg(const MapLeg& leg) {
  StartCutscene(NPCCutscene);
  fIconAngle = leg.angle;
  fIconSpeed = kIconSpeed;
  xIcon = fScreenWidth / 2 + leg.xStart;
  yIcon = leg.yStart;
}

void TCutsceneMap1::RunLeg(const MapLeg& leg) {
  switch (iSegmentCounter) {
    case 0:
      if (iDelayCounter == kMapStillFrames) ++iSegmentCounter;
      break;
    case 1: {
      MoveIcon();
      const bool arrived = leg.endsOnX ? xIcon > fScreenWidth / 2 + leg.xEnd : yIcon > leg.yEnd;
      if (arrived) {
        ++iSegmentCounter;
        iDelayCounter = 0;
      }
      break;
    }
    case 2:
      if (iDelayCounter == kMapStillFrames) {
        ++iSegmentCounter;
        bFade = 1;
      }
      break;
    case 3:
      HandleFadeTransition();
      break;
    default:
      break;
  }
}

void TCutsceneMap1::InitSegment() { StartLeg(kLegs[0]); }
void TCutsceneMap1::SegmentManager() { RunLeg(kLegs[0]); }

void TCutsceneMap1::Draw() {
  DrawImage(imgMap, fScreenWidth / 2 - 683, 200, 0);
  DrawImage(imgMapIcon, xIcon, yIcon, 0);
}

void TCutsceneMap2::InitSegment() { StartLeg(kLegs[1]); }
void TCutsceneMap2::SegmentManager() { RunLeg(kLegs[1]); }
void TCutsceneMap3::InitSegment() { StartLeg(kLegs[2]); }
void TCutsceneMap3::SegmentManager() { RunLeg(kLegs[2]); }
void TCutsceneMap4::InitSegment() { StartLeg(kLegs[3]); }
void TCutsceneMap4::SegmentManager() { RunLeg(kLegs[3]); }
