#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace commands {

// A list box as the report writes to it.
class TListSink {
 public:
  virtual ~TListSink() = default;
  virtual void Clear() = 0;
  virtual void InsertAtTop(std::string_view line) = 0;
  virtual void Append(std::string_view line) = 0;
};

// The chart series as the report feeds it: one value per point, the point's
// position being its sequence number.
class TSeriesSink {
 public:
  virtual ~TSeriesSink() = default;
  virtual void Clear() = 0;
  virtual void Add(double value) = 0;
};

// A list box held in memory, for the command line and for tests.
class TLineList final : public TListSink {
 public:
  void Clear() override { lines.clear(); }
  void InsertAtTop(std::string_view line) override { lines.emplace_front(line); }
  void Append(std::string_view line) override { lines.emplace_back(line); }

  std::deque<std::string> lines;
};

// A series held in memory.
class TPointList final : public TSeriesSink {
 public:
  void Clear() override { values.clear(); }
  void Add(double value) override { values.push_back(value); }

  std::vector<double> values;
};

}  // namespace commands
