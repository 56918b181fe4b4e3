#pragma once

namespace model {

// A boiling liquid's vapour strength and that vapour's heat of vaporization,
// exact or estimated (heatofvaporizationestimate).
struct LiquidVapour {
  long double vapour;  // vapourstrength(liquid)
  long double heat;    // heatofvaporization(vapour) or its estimate, J/g
  bool exact;
};

// The top-down solution bisects every tray from 0.5 with halving steps, so
// its trial strengths are a few dyadic values shared by the trays of one
// column and by columns with nearby inputs. This remembers, per thread, the
// properties of the strengths seen last: a hit gives the bits a fresh
// evaluation gives, at a fraction of the cost of the heat's two powers.
class LiquidMemo {
 public:
  // The remembered properties of `liquid`, or null. The pointer is good
  // until the thread's next Remember or Of.
  static const LiquidVapour* Find(long double liquid);

  // Remembers properties evaluated for `liquid`, in place of whatever
  // strength shared their slot.
  static void Remember(long double liquid, const LiquidVapour& properties);

  // The exact properties of `liquid`, from memory or freshly evaluated and
  // then remembered. Meant for strengths in [0, 1], where neither function
  // can fault.
  static LiquidVapour Of(long double liquid);

  // Slots per thread (2^kSlotBits of 48 bytes); a slot holds the last
  // strength hashed to it.
  static constexpr int kSlotBits = 12;
  static constexpr int kSlots = 1 << kSlotBits;
};

}  // namespace model
