#pragma once
// Mode numbers of the character state machines. Every fighter uses one numbering, so a hit can
// ask any victim for "pushed back" by number and a rider can hand its motion to its mount; each
// class implements the subset it needs. The damage type an attack box carries is the number of
// the reaction mode it asks for.

// ---- Shared modes -------------------------------------------------------------------------------
constexpr int MODE_INACTIVE = 0;  // no pause or back-to-title checks; a boarded mount waits here
constexpr int MODE_WALK_RIGHT = 1;
constexpr int MODE_WALK_LEFT = 2;
constexpr int MODE_RUN = 3;  // enemies' charge
constexpr int MODE_JUMP_CROUCH = 4;
constexpr int MODE_LANDING = 5;
constexpr int MODE_STANCE = 6;
constexpr int MODE_STOPPING = 7;
constexpr int MODE_PLANE_UP = 8;
constexpr int MODE_PLANE_DOWN = 9;
constexpr int MODE_BLOCK = 13;
constexpr int MODE_DODGE = 14;
constexpr int MODE_DASH = 30;  // the heroine's dash; also the first airborne mode
constexpr int MODE_JUMP_RISE = 31;
constexpr int MODE_JUMP_FALL = 32;
constexpr int MODE_JUMP_PEAK = 33;
constexpr int MODE_WALK_TOWARD = 41;
constexpr int MODE_WALK_BACK = 42;
constexpr int MODE_HESITATE = 43;
constexpr int MODE_BACK_OFF = 44;
constexpr int MODE_RUN_OFF = 45;  // a riderless mount leaving for good

// Airborne band: dash, jump rise, peak and fall.
constexpr int MODE_AIRBORNE_FIRST = 30;
constexpr int MODE_AIRBORNE_LAST = 40;

// ---- Reactions (46 .. 99) -----------------------------------------------------------------------
constexpr int MODE_REACTION_FIRST = 46;
constexpr int MODE_REACTION_LAST = 99;
constexpr int MODE_KNOCKED_AWAY = 49;  // airborne, flung away
constexpr int MODE_HIT_HIGH = 50;      // stagger
constexpr int MODE_HIT_LOW = 51;       // stagger
constexpr int MODE_PUSHED_LOW = 52;
constexpr int MODE_KNOCKDOWN = 53;  // airborne; also where zero hit points lead
constexpr int MODE_KNOCKUP = 54;
constexpr int MODE_GRAPPLE_HIT = 55;
constexpr int MODE_PUSHED_HIGH = 56;
constexpr int MODE_LIFTED = 57;
constexpr int MODE_LYING_HIT = 59;  // bounced up while lying, falls back to lying
constexpr int MODE_BOUNCE = 60;
constexpr int MODE_LYING = 61;
constexpr int MODE_GETTING_UP = 62;
constexpr int MODE_DEAD = 63;
constexpr int MODE_GRAPPLED = 64;  // held by a foe, who draws the pair
constexpr int MODE_THROWN = 65;
constexpr int MODE_CARRIED = 66;  // on the heroine's shoulders in her back throw, drawn by her
constexpr int MODE_SLAMMED = 67;
constexpr int MODE_GAME_OVER = 71;

// ---- Attacks ------------------------------------------------------------------------------------
constexpr int MODE_ATTACK1 = 100;  // ground attacks 1 to 4: 100 .. 103
constexpr int MODE_ATTACK4 = 103;
constexpr int MODE_AIR_ATTACK_FIRST = 150;  // airborne attack band
constexpr int MODE_AIR_ATTACK_LAST = 200;
constexpr int MODE_AIR_STRIKE = 150;
constexpr int MODE_CHARGE = 159;         // dash attack; the dragon's charge leap
constexpr int MODE_AIR_HOVER = 175;      // wind-up of an air strike, hanging in the air
constexpr int MODE_AIR_BREATH_UP = 176;  // wind-up of an air fire breath
constexpr int MODE_AIR_BREATH = 177;

// ---- Automatic control (a stage runs the heroine in and out)
// -------------------------------------
constexpr int MODE_AUTO_STAND = 1000;    // standing, waiting for the stage
constexpr int MODE_AUTO_RUN_IN = 1001;   // running into the stage; control returns at x 360
constexpr int MODE_AUTO_RUN_OUT = 1002;  // running out of the stage

// ---- Riderless mount ----------------------------------------------------------------------------
constexpr int MODE_MOUNT_WAITING = 220;  // can be boarded
constexpr int MODE_MOUNT_RISING = 221;   // gets up to run off
constexpr int MODE_MOUNT_STANDING_UP = 222;

constexpr bool IsReactionMode(int mode) {
  return mode >= MODE_REACTION_FIRST && mode <= MODE_REACTION_LAST;
}
constexpr bool IsAirborneMode(int mode) {
  return (mode >= MODE_AIRBORNE_FIRST && mode <= MODE_AIRBORNE_LAST) ||
         (mode >= MODE_AIR_ATTACK_FIRST && mode <= MODE_AIR_ATTACK_LAST);
}

// ---- Facing -------------------------------------------------------------------------------------
// iFacing of a character, in degrees: the way its pictures point.
constexpr int FACING_RIGHT = 0;
constexpr int FACING_LEFT = 180;
constexpr int OppositeFacing(int facing) {
  return facing == FACING_LEFT ? FACING_RIGHT : FACING_LEFT;
}
// iFacingState of a character that has foes on both sides.
constexpr int FACING_BOTH_SIDES = 2;
// The horizontal scale that mirrors a picture drawn facing right.
constexpr float FacingScale(int facing) { return facing == FACING_LEFT ? -1.0f : 1.0f; }

// ---- Statuses and sides -------------------------------------------------------------------------
// iStatus of a character: who may hit it, and when the handler drops it.
constexpr int STATUS_FINISHED = 0;  // dropped from CharacterList at the next update
constexpr int STATUS_NORMAL = 1;
constexpr int STATUS_UNHITTABLE = 2;
constexpr int STATUS_FADING = 3;    // a dead enemy
constexpr int STATUS_GUARDING = 4;  // hittable; guards and armour soften the blow

// iAffiliation: the heroine's side, the enemies, and a riderless mount nobody hits.
constexpr int SIDE_HEROINE = 0;
constexpr int SIDE_ENEMY = 1;
constexpr int SIDE_NEUTRAL = 2;

// iType of the kinds the base needs to know.
constexpr int TYPE_HEROINE = 0;
constexpr int TYPE_TEMPLAR = 10;
constexpr int TYPE_NECROMANCER = 11;
constexpr int TYPE_EXECUTIONER = 12;
constexpr int TYPE_SPEARMAN = 13;
constexpr int TYPE_RAIDER = 15;
constexpr int TYPE_SABERMAN = 16;
constexpr int TYPE_DRACON = 30;
constexpr int TYPE_DARK_KNIGHT = 50;  // the bosses are types 50 and up
constexpr bool IsBossType(int type) { return type >= TYPE_DARK_KNIGHT; }
