// The music clock is counted in Move calls, not seconds: a screen that slows down (the stages'
// slow motion) slows its music's loop clock and fade-downs with it.

#include "audio/bgm_player.h"

#include <algorithm>
#include <string>

#include "asset_catalogue.h"
#include "platform/graphics.h"

namespace {

constexpr float kFadeDownStep = 0.01f;  // volume per Move call while switching pieces

int LoopPoint(int piece) {
  switch (piece) {
    case BGM_IMPENDING_DANGER:
      return kImpendingDangerLoopPoint;
    case BGM_BRUTE_FORCE:
      return kBruteForceLoopPoint;
    case BGM_MAIN_TITLE:
      return kMainTitleLoopPoint;
    default:
      return 0;
  }
}

}  // namespace

void TBGMPlayer::Init() {
  ChnBGM[0] = AllocChannel();
  ChnBGM[1] = AllocChannel();
  // Not looped by the mixer: the player loops them itself, with overlap. Each channel decodes
  // its own copy as it plays, so the overlapping restart costs no second decoded piece.
  bgmImpendingDanger = LoadMusic("BGM\\ImpendingDanger.ogg", 0);
  bgmBruteForce = LoadMusic("BGM\\BruteForce.ogg", 0);
  bgmCrypticIllusion = LoadMusic("BGM\\CrypticIllusion.ogg", 0);
  bgmMainTitle = LoadMusic("BGM\\MainTitle.ogg", 0);
  for (const SoundPtr& piece :
       {bgmImpendingDanger, bgmBruteForce, bgmCrypticIllusion, bgmMainTitle})
    SetSoundGain(piece, catalogue::kMusicGainDb);
}

void TBGMPlayer::ResetGameData() {
  iActiveChannel = 0;
  iBGMWaitingList = BGM_NONE;
  fChannelVolume = {1, 1};
  iPlayingBGM = BGM_NONE;
  PauseChannel(ChnBGM[0]);
  PauseChannel(ChnBGM[1]);
}

void TBGMPlayer::ToggleActiveChannel() { iActiveChannel = iActiveChannel == 0 ? 1 : 0; }

void TBGMPlayer::ResetBGM(int piece) {
  fChannelVolume[iActiveChannel] = 1;
  SetChannelVolume(ChnBGM[iActiveChannel], 1);
  if (piece >= BGM_IMPENDING_DANGER && piece <= BGM_MAIN_TITLE) CuePieceOnActiveChannel(piece);
  ResumeChannel(ChnBGM[iActiveChannel]);
  iBGMCounter = 0;
}

void TBGMPlayer::Play(int piece) {
  if (!ChannelPlaying(ChnBGM[iActiveChannel])) {
    ResetBGM(piece);
  } else if (piece == iPlayingBGM) {
    // The copy on the old channel plays on to its end under the fresh start.
    ToggleActiveChannel();
    ResetBGM(piece);
  } else {
    iBGMWaitingList = piece;
  }
}

void TBGMPlayer::FadeOff(float step) {
  for (int channel = 0; channel < 2; ++channel) {
    if (fChannelVolume[channel] <= 0) continue;
    fChannelVolume[channel] = std::max(0.0f, fChannelVolume[channel] - step);
    SetChannelVolume(ChnBGM[channel], fChannelVolume[channel]);
  }
}

void TBGMPlayer::draw() { DrawText(std::to_string(iBGMCounter), 0, 0); }

void TBGMPlayer::Move() {
  if (iBGMWaitingList == BGM_NONE) {
    ++iBGMCounter;
    if (iPlayingBGM == BGM_CRYPTIC_ILLUSION) {
      if (!ChannelPlaying(ChnBGM[iActiveChannel])) Play(iPlayingBGM);
    } else if (LoopPoint(iPlayingBGM) != 0 && iBGMCounter == LoopPoint(iPlayingBGM)) {
      Play(iPlayingBGM);
    }
    return;
  }

  // Switching pieces: fade the active channel down, then start the waiting piece on it.
  float& volume = fChannelVolume[iActiveChannel];
  if (volume > 0) {
    volume -= kFadeDownStep;
    SetChannelVolume(ChnBGM[iActiveChannel], volume);
    return;
  }
  volume = 1;
  iBGMCounter = 0;
  // Silent by now; stop it rather than let it run on unheard to its end.
  StopChannel(ChnBGM[iActiveChannel]);
  CuePieceOnActiveChannel(iBGMWaitingList);
  ResumeChannel(ChnBGM[iActiveChannel]);
  iBGMWaitingList = BGM_NONE;
}

void TBGMPlayer::Stop() {
  StopChannel(ChnBGM[0]);
  StopChannel(ChnBGM[1]);
}

SoundPtr TBGMPlayer::PieceSound(int piece) const {
  switch (piece) {
    case BGM_IMPENDING_DANGER:
      return bgmImpendingDanger;
    case BGM_BRUTE_FORCE:
      return bgmBruteForce;
    case BGM_CRYPTIC_ILLUSION:
      return bgmCrypticIllusion;
    case BGM_MAIN_TITLE:
      return bgmMainTitle;
    default:
      return nullptr;
  }
}

void TBGMPlayer::CuePieceOnActiveChannel(int piece) {
  // CueSound hands back a new channel at full volume; the one it replaces is let go.
  ChnBGM[iActiveChannel] = CueSound(PieceSound(piece));
  iPlayingBGM = piece;
}
