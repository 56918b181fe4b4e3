#pragma once

#include <cstdint>

namespace model {

// A boiling liquid's vapour strength and that vapour's heat of vaporization.
struct LiquidVapour {
  long double vapour;  // vapourstrength(liquid)
  long double heat;    // heatofvaporization(vapour), J/g
};

// The top-down solution bisects every tray from 0.5 with halving steps, so
// its trial strengths are a few dyadic values shared by the trays of one
// column and by columns with nearby inputs. This remembers, per thread, the
// properties of the strengths seen last: a hit gives the bits a fresh
// evaluation gives, at a fraction of the cost of the heat's two powers.
class LiquidMemo {
 public:
  // The properties of `liquid`, from memory or freshly evaluated. Meant for
  // strengths in [0, 1], where neither function can fault.
  static LiquidVapour Of(long double liquid);

  // Slots per thread (2^kSlotBits of 48 bytes); a slot holds the last
  // strength hashed to it.
  static constexpr int kSlotBits = 12;
  static constexpr int kSlots = 1 << kSlotBits;
};

}  // namespace model
