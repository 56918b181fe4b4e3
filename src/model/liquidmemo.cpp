#include "model/liquidmemo.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "model/properties.h"

namespace model {

namespace {

// The ten significant bytes of an extended value: the 64-bit significand and
// the sign with the exponent. Equal keys mean equal bits, so -0 and +0 and
// every NaN payload stay apart.
struct Key {
  std::uint64_t significand = 0;
  std::uint16_t signexponent = 0;
  bool operator==(const Key&) const = default;
};

Key KeyOf(long double value) {
  static_assert(sizeof(long double) >= 10);
  Key key;
  std::memcpy(&key.significand, &value, 8);
  std::memcpy(&key.signexponent, reinterpret_cast<const char*>(&value) + 8, 2);
  return key;
}

struct Slot {
  Key key;
  bool filled = false;
  LiquidVapour properties{};
};

// Fibonacci hashing of the significand's high bits, where dyadic strengths
// differ, folded with the exponent.
std::size_t SlotOf(const Key& key) {
  const std::uint64_t mixed =
      (key.significand ^ (std::uint64_t{key.signexponent} << 48)) * 0x9E3779B97F4A7C15ULL;
  return static_cast<std::size_t>(mixed >> (64 - LiquidMemo::kSlotBits));
}

// Each thread has its own slots, allocated on its first use: threads that
// calculate columns side by side never share one.
Slot& SlotFor(const Key& key) {
  thread_local const std::unique_ptr<Slot[]> slots(new Slot[LiquidMemo::kSlots]);
  return slots[SlotOf(key)];
}

}  // namespace

const LiquidVapour* LiquidMemo::Find(long double liquid) {
  const Key key = KeyOf(liquid);
  const Slot& slot = SlotFor(key);
  return slot.filled && slot.key == key ? &slot.properties : nullptr;
}

void LiquidMemo::Remember(long double liquid, const LiquidVapour& properties) {
  const Key key = KeyOf(liquid);
  SlotFor(key) = {key, true, properties};
}

LiquidVapour LiquidMemo::Of(long double liquid) {
  const LiquidVapour* known = Find(liquid);
  if (known && known->exact) return *known;
  const long double vapour = known ? known->vapour : vapourstrength(liquid);
  const LiquidVapour properties{vapour, heatofvaporization(vapour), true};
  Remember(liquid, properties);
  return properties;
}

}  // namespace model
