#pragma once
// The background-music player: two channels, so that a piece can be restarted at its loop point
// while the tail of the previous start still sounds, and a fade-down between pieces.

#include <array>
#include <cstdint>

#include "platform/audio.h"

// Piece numbers, as the screens ask for them.
constexpr int BGM_NONE = -1;
constexpr int BGM_IMPENDING_DANGER = 0;
constexpr int BGM_BRUTE_FORCE = 1;
constexpr int BGM_CRYPTIC_ILLUSION = 2;  // restarts when it ends instead of at a loop point
constexpr int BGM_MAIN_TITLE = 3;

// Loop points: the value of iBGMCounter (Move calls) at which a piece starts again.
constexpr int kImpendingDangerLoopPoint = 7070;
constexpr int kBruteForceLoopPoint = 6800;
constexpr int kMainTitleLoopPoint = 4105;

class TBGMPlayer {
 public:
  virtual ~TBGMPlayer() = default;

  virtual void Init();
  virtual void ResetGameData();
  virtual void ToggleActiveChannel();
  virtual void ResetBGM(int piece);
  virtual void Play(int piece);
  virtual void FadeOff(float step);
  virtual void draw();
  virtual void Move();
  virtual void Stop();

  std::array<ChannelPtr, 2> ChnBGM;
  std::array<float, 2> fChannelVolume{};  // what the player last set on each channel, 0..1
  int32_t iPlayingBGM = 0;                // piece on the active channel, BGM_NONE for none
  int32_t iActiveChannel = 0;             // 0 or 1
  SoundPtr bgmImpendingDanger;
  SoundPtr bgmBruteForce;
  SoundPtr bgmCrypticIllusion;
  SoundPtr bgmMainTitle;
  int32_t iBGMWaitingList = 0;  // piece to start once the fade-down ends, BGM_NONE for none
  int32_t iBGMCounter = 0;      // Move calls since the current piece was (re)started

 private:
  // The sound of a piece number; empty for any other number or a piece that failed to load.
  [[nodiscard]] SoundPtr PieceSound(int piece) const;
  // Replaces the active channel by a new one holding the piece, cued and paused.
  void CuePieceOnActiveChannel(int piece);
};
