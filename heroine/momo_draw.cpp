// The heroine's pictures, from the row of her mode, and her status display.

#include <algorithm>
#include <string>

#include "heroine/momo.h"
#include "heroine/momo_modes.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

using momo::DrawPicture;

namespace {

// The strip a foe of this kind is drawn from while she swings it over her head.
const ImagePtr* BeingThrownStrip(int type) {
  switch (type) {
    case TYPE_TEMPLAR:
      return &imgTemplarBeingThrown;
    case TYPE_NECROMANCER:
      return &imgNecromancerBeingThrown;
    case TYPE_EXECUTIONER:
      return &imgExecutionerBeingThrown;
    case TYPE_SPEARMAN:
      return &imgSpearmanBeingThrown;
    case TYPE_SABERMAN:
      return &imgSabermanBeingThrown;
    case TYPE_DARK_KNIGHT:
      return &imgDarkKnightBeingThrown;
    default:
      return nullptr;
  }
}

// Where the thrown foe's feet are, relative to hers facing right, on each picture of the heave.
struct Heave {
  float dx, dy;
};
constexpr Heave kHeave[] = {{70, 0}, {25, -70}, {-35, -50}};

}  // namespace

void momo::DrawPicture(const ImagePtr& image, float x, float y, int frame) {
  if (!image) return;
  DrawImage(image, x, y, std::clamp(frame, 0, image->FrameCount() - 1));
}

void TMomo::Draw() {
  if (iTypeMount == MOUNT_DRACON) {
    DrawDracon();
  } else {
    DrawNoMount();
  }
}

void TMomo::DrawNoMount() {
  if (iMode == MODE_INACTIVE) return;
  const float facing = FacingScale(iFacing);
  SetScale(facing, 1);
  // The shadow stays on the ground line, except while she crosses to another plane.
  const bool crossing = iMode == MODE_PLANE_UP || iMode == MODE_PLANE_DOWN;
  DrawPicture(imgShadow, x, crossing ? y : GroundLine(), 0);
  if (iMode == MODE_GRAPPLED) {  // the enemy holding her draws the pair
    SetScale(1, 1);
    return;
  }
  // A short flicker while blows pass through her.
  if (iInvulnerableCounter > 0 && iInvulnerableCounter % 2 == 1) SetAlpha(0.4f);

  DrawMode(ModeOnFoot(iMode));
  SetAlpha(1);
  SetScale(1, 1);
}

void TMomo::DrawMode(const ModeRow* row) const {
  if (!row) return;
  if (row->draw) {
    row->draw(*this);
  } else if (row->picture) {
    DrawPicture(*row->picture, x, y,
                row->pictureFrame == kOwnPictureFrame ? iFrame : row->pictureFrame);
  }
}

// During the heave of a back throw the foe is part of her picture, until it flies off.
void TMomo::DrawThrownFoe() const {
  const TCharacter* foe = GrappledTarget();
  if (!foe || foe->iMode != MODE_CARRIED) return;
  const ImagePtr* strip = BeingThrownStrip(iTargetType);
  if (!strip || !*strip) return;
  const int picture = std::clamp(iFrame, 0, 2);
  const float facing = FacingScale(iFacing);
  // The foe faces her: mirrored against her own picture.
  SetScale(-facing, 1);
  DrawPicture(*strip, x + facing * kHeave[picture].dx, y + kHeave[picture].dy, picture);
  SetScale(facing, 1);
}

// ---- Status display -----------------------------------------------------------------------------

void TMomo::DrawGUI() {
  // Screen positions: the drawing origin follows the world, so add the scroll back.
  const auto at = [](float sx, float sy) { return std::pair(ViewX(sx), ViewY(sy)); };
  const auto text = [&at](const std::string& s, float sx, float sy) {
    const auto [wx, wy] = at(sx, sy);
    DrawShadowText(TEXT_WHITE, s, wx, wy);
  };
  const auto image = [&at](const ImagePtr& img, float sx, float sy) {
    const auto [wx, wy] = at(sx, sy);
    DrawImage(img, wx, wy, 0);
  };

  if (iMode == MOMO_CONTINUE) {
    SetImageFont(fntProciono18);
    text("Continue? " + std::to_string(iContinue), 30, 30);
    text("Yes", 40, 60);
    text("No", 100, 60);
    image(imgContinueCursor, iContinueCursor == 0 ? 20.0f : 80.0f, 60);
  } else if (iMode == MOMO_GAME_OVER) {
    text("GAME OVER", 30, 30);
  } else if (iMode != MODE_INACTIVE) {
    image(imgPortrait, 0, 0);
    image(imgBarBorder, 100, 40);
    SetColor(200, 160, 0);
    const auto [hx, hy] = at(103, 43);
    if (fHPMax > 0) DrawRect(hx, hy, 200 / fHPMax * fHP, 6);
    SetColor(255, 255, 255);
    image(imgBarBorder, 100, 60);
    SetColor(100, 0, 255);
    const auto [mx, my] = at(103, 63);
    if (fMPMax > 0) DrawRect(mx, my, 200 / fMPMax * fMP, 6);
    SetImageFont(fntProciono18);
    text("x " + std::to_string(iLive), 100, 10);
    text("Score " + std::to_string(static_cast<int64_t>(fScore)), 200, 10);
    text(std::to_string(static_cast<int>(fHP)), 320, 30);
    text("/", 350, 30);
    text(std::to_string(static_cast<int>(fHPMax)), 360, 30);
    text(std::to_string(static_cast<int>(fMP)), 320, 50);
    text("/", 350, 50);
    text(std::to_string(static_cast<int>(fMPMax)), 360, 50);
  }
  SetColor(255, 255, 255);
}
