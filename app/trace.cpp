#include "app/trace.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <span>
#include <string_view>

#include "actors/character.h"
#include "app/manager.h"
#include "audio/bgm_player.h"
#include "heroine/momo.h"
#include "world/globals.h"

namespace {

void AppendInt(std::string& out, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// Up to four decimals, trailing zeros dropped but one kept: 812.0, 1402.5, 0.3333.
void AppendFloat(std::string& out, float value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char text[48];
  const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                    std::chars_format::fixed, 4);
  if (result.ec != std::errc()) {
    out += "null";
    return;
  }
  const char* end = result.ptr;
  while (end - text > 2 && end[-1] == '0' && end[-2] != '.') --end;
  const std::string_view number(text, static_cast<size_t>(end - text));
  out += number == "-0.0" ? std::string_view("0.0") : number;  // no negative zero
}

void Key(std::string& out, const char* key) {
  out += '"';
  out += key;
  out += "\":";
}

void IntField(std::string& out, const char* key, long long value) {
  Key(out, key);
  AppendInt(out, value);
  out += ',';
}

void FloatField(std::string& out, const char* key, float value) {
  Key(out, key);
  AppendFloat(out, value);
  out += ',';
}

void AppendCharacter(std::string& out, const TCharacter& c) {
  out += '{';
  IntField(out, "type", c.iType);
  IntField(out, "id", c.iID);
  IntField(out, "mode", c.iMode);
  FloatField(out, "x", c.x);
  FloatField(out, "y", c.y);
  IntField(out, "plane", c.iPlane);
  FloatField(out, "hp", c.fHP);
  FloatField(out, "mp", c.fMP);
  IntField(out, "status", c.iStatus);
  IntField(out, "facing", c.iFacing);
  IntField(out, "delay", c.iDelayCounter);
  IntField(out, "frame", c.iFrame);
  IntField(out, "ai", c.iAIMode);
  out.back() = '}';
}

void AppendFrame(std::string& out, int frame) {
  out += '{';
  IntField(out, "frame", frame);
  IntField(out, "manager", Manager ? Manager->iMode : -1);
  IntField(out, "stage", Manager ? Manager->TracedStage() : -1);
  IntField(out, "step", Manager ? Manager->TracedStep() : -1);
  FloatField(out, "world_x", fWorldX);
  FloatField(out, "world_y", fWorldY);
  FloatField(out, "quake", fQuake);
  Key(out, "momo");
  if (Momo) {
    out += '{';
    IntField(out, "score", static_cast<long long>(Momo->fScore));
    IntField(out, "lives", Momo->iLive);
    IntField(out, "continues", Momo->iContinue);
    IntField(out, "max_combo", Momo->iMaxCombo);
    IntField(out, "exploit", Momo->iExploitCounter);
    IntField(out, "mount", Momo->iTypeMount);
    out.back() = '}';
    out += ',';
  } else {
    out += "null,";
  }
  IntField(out, "bgm", BGMPlayer ? BGMPlayer->iPlayingBGM : BGM_NONE);
  IntField(out, "projectiles", static_cast<long long>(ProjectileList.size()));
  IntField(out, "effects", static_cast<long long>(EffectList.size()));
  Key(out, "chars");
  out += '[';
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    AppendCharacter(out, *c);
    out += ',';
  }
  if (out.back() == ',') out.pop_back();
  out += "]}";
}

}  // namespace

TraceWriter::~TraceWriter() = default;  // an unclosed trace is abandoned

bool TraceWriter::Open(const std::string& path, std::string& error) {
  if (!file_.Open(path)) {
    error = "cannot write trace " + file_.Error();
    return false;
  }
  open_ = true;
  line_.reserve(4096);
  return true;
}

void TraceWriter::WriteFrame(int frame) {
  if (!file_.IsOpen()) return;
  line_.clear();
  AppendFrame(line_, frame);
  line_ += '\n';
  file_.Write(std::span(reinterpret_cast<const uint8_t*>(line_.data()), line_.size()));
}

bool TraceWriter::Close(std::string& error) {
  if (!open_) return true;
  open_ = false;
  if (!file_.Commit()) {
    error = "cannot write trace " + file_.Error();
    return false;
  }
  return true;
}

std::string TraceWriter::FrameLine(int frame) {
  std::string line;
  AppendFrame(line, frame);
  return line;
}
